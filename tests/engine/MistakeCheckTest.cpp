#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"

namespace {
const char kEasterMonster[] =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

const char kNoSolutionMessage[] =
    "Raruduz 2.2 is Unable to Find a Solution for the Current Board !!!! \nThe 'Show Mistakes' "
    "Feature will be disabled ...  ";

TEST(MistakeCheck, UniqueSolutionJudgesEntriesAndLeavesTheCellsAsTheyWere) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    ASSERT_EQ(board->SetValue(SolveMode, 2, 0, 4), 1);  // not judged yet
    const CellGrid before = board->cells;

    EXPECT_EQ(board->PrepareShowMistakes(), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(board->solutionNbr, 1);
    EXPECT_EQ(board->cells, before);
    EXPECT_EQ(board->givenNbr, 1);
    EXPECT_EQ(board->score, 100);
    EXPECT_EQ(board->level, VeryEasy);
    EXPECT_EQ(GridText(*board, board->solution), kClassicSolution);

    EXPECT_EQ(board->SetValue(SolveMode, 5, 0, 2), 1);
    EXPECT_EQ(board->Cell(5, 0).type, Mistake);
}

TEST(MistakeCheck, AWrongEntryDoesNotSteerTheCheckAgain) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    ASSERT_EQ(board->PrepareShowMistakes(), 1);
    // r1c3 is 4 in the solution; 1 is a candidate there, and no solution follows from it.
    ASSERT_EQ(board->SetValue(SolveMode, 2, 0, 1), 1);
    ASSERT_EQ(board->Cell(2, 0).type, Mistake);
    const CellGrid before = board->cells;

    EXPECT_EQ(board->PrepareShowMistakes(), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(board->cells, before);
    EXPECT_EQ(board->givenNbr, 1);
    EXPECT_EQ(GridText(*board, board->solution), kClassicSolution);
    EXPECT_EQ(board->score, 100);
}

// The first cell the techniques leave empty on the puzzle, with brute-force guesses off.
std::pair<int, int> FirstCellLeftEmpty(HeadlessPlatform& platform, const std::string& puzzle) {
    auto board = MakeBoard(platform, puzzle);
    board->allowBruteForceTech = 0;
    SolveStatistics statistics;
    EXPECT_EQ(SolveHumanLike(*board, statistics), NoSolutionFound);
    for (int x = 0; x < 9; ++x)
        for (int y = 0; y < 9; ++y)
            if (board->Cell(x, y).IsEmpty()) return {x, y};
    return {-1, -1};
}

TEST(MistakeCheck, CellsTheTechniquesLeaveEmptyAreJudgedByTheProvenSolution) {
    HeadlessPlatform platform;
    const auto [x, y] = FirstCellLeftEmpty(platform, kEasterMonster);
    ASSERT_NE(x, -1);
    const auto checked = [&platform] {
        auto board = MakeBoard(platform, kEasterMonster);
        board->allowBruteForceTech = 0;
        EXPECT_EQ(board->PrepareShowMistakes(), 1);
        return board;
    };
    auto board = checked();
    EXPECT_EQ(board->uniqueSolutionKnown, 1);
    // The grid stays as the techniques left it, "." where they stopped.
    EXPECT_TRUE(board->solution[CellIndex(x, y)].IsEmpty());

    auto solved = MakeBoard(platform, kEasterMonster);
    ASSERT_EQ(solved->SolveBruteForce(CountToFifty), SolutionFound);
    EXPECT_EQ(GridText(*board, board->uniqueSolution), BoardText(*solved));
    const int right = solved->Cell(x, y).value;
    ASSERT_EQ(board->SetValue(SolveMode, x, y, right), 1);
    EXPECT_EQ(board->Cell(x, y).type, Given);

    board = checked();
    int wrong = 1;
    while (wrong == right || !(board->Cell(x, y).candidates & bitOf(wrong))) ++wrong;
    ASSERT_EQ(board->SetValue(SolveMode, x, y, wrong), 1);
    EXPECT_EQ(board->Cell(x, y).type, Mistake);
}

TEST(MistakeCheck, AStopBeforeUniquenessIsProvenFillsNothing) {
    // Two clues fewer than the Easter monster: many solutions, and the techniques stall.
    std::string puzzle = kEasterMonster;
    puzzle[0] = puzzle[8] = '.';
    HeadlessPlatform platform;
    const auto [x, y] = FirstCellLeftEmpty(platform, puzzle);
    ASSERT_NE(x, -1);
    auto board = MakeBoard(platform, puzzle);
    board->allowBruteForceTech = 0;
    RunControl control;
    platform.onPump = [&] {
        if (board->solutionNbr >= 1) control.stopRequested = true;
    };
    EXPECT_EQ(board->PrepareShowMistakes(&control), 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(board->solutionNbr, 1);
    EXPECT_EQ(board->uniqueSolutionKnown, 0);
    EXPECT_TRUE(board->solution[CellIndex(x, y)].IsEmpty());
    ASSERT_EQ(board->SetValue(SolveMode, x, y, board->firstSolution[CellIndex(x, y)].value), 1);
    EXPECT_EQ(board->Cell(x, y).type, Mistake);
}

TEST(MistakeCheck, SeveralSolutionsAreLeftCountedForTheCaller) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(81, '.'));
    EXPECT_EQ(board->PrepareShowMistakes(), 1);
    EXPECT_EQ(board->solutionNbr, 50);
    EXPECT_EQ(board->uniqueSolutionKnown, 0);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(board->emptyNbr, 81);
}

TEST(MistakeCheck, BoardWithoutSolutionTurnsCheckingOff) {
    HeadlessPlatform platform;
    // r1c9 has no candidate left.
    auto board = MakeBoard(platform, "12345678.........9" + std::string(63, '.'));
    EXPECT_EQ(board->PrepareShowMistakes(), 0);
    EXPECT_EQ(board->mistakeCheckEnabled, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoSolutionMessage);
    EXPECT_EQ(board->level, LevelForScore(board->score));  // refreshed all the same
    EXPECT_EQ(board->clueNbr, 9);
    EXPECT_EQ(board->emptyNbr, 72);
}

TEST(MistakeCheck, SixteenBoardsAreRatedButNotChecked) {
    const std::string grid = Grid16();
    std::string puzzle = grid;
    for (int i = 0; i < 256; i += 3) puzzle[i] = '.';

    HeadlessPlatform platform;
    auto board = MakeBoard(platform, puzzle);
    board->level = Fiendish;
    EXPECT_EQ(board->PrepareShowMistakes(), 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "Raruduz 2.2 is not Optimized for 16*16 Boards !!!! \nThe 'Show Mistakes' Feature "
              "will be disabled ...  ");
    EXPECT_EQ(board->score, 100);
    EXPECT_EQ(board->level, VeryEasy);
    EXPECT_EQ(GridText(*board, board->solution), grid);
    EXPECT_EQ(BoardText(*board), puzzle);
}
}  // namespace
