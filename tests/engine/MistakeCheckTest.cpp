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
    EXPECT_EQ(platform.multipleSolutionsShown, 0);
    EXPECT_EQ(board->cells, before);
    EXPECT_EQ(board->givenNbr, 1);
    EXPECT_EQ(board->score, 100);
    EXPECT_EQ(board->level, VeryEasy);
    EXPECT_EQ(GridText(*board, board->solution), kClassicSolution);

    EXPECT_EQ(board->SetValue(SolveMode, 5, 0, 2), 1);
    EXPECT_EQ(board->Cell(5, 0).type, Mistake);
}

TEST(MistakeCheck, CellsTheTechniquesLeaveEmptyTakeTheOneSolution) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kEasterMonster);
    board->allowBruteForceTech = 0;
    SolveStatistics statistics;
    ASSERT_EQ(SolveHumanLike(*board, statistics), NoSolutionFound);
    int emptyX = -1, emptyY = -1;
    for (int x = 0; x < 9 && emptyX == -1; ++x)
        for (int y = 0; y < 9 && emptyX == -1; ++y)
            if (board->Cell(x, y).IsEmpty()) emptyX = x, emptyY = y;
    board->ClearGivens();

    EXPECT_EQ(board->PrepareShowMistakes(), 1);
    auto solved = MakeBoard(platform, kEasterMonster);
    ASSERT_EQ(solved->SolveBruteForce(2), SolutionFound);
    EXPECT_EQ(GridText(*board, board->solution), BoardText(*solved));

    const int right = solved->Cell(emptyX, emptyY).value;
    ASSERT_EQ(board->SetValue(SolveMode, emptyX, emptyY, right), 1);
    EXPECT_EQ(board->Cell(emptyX, emptyY).type, Given);
}

TEST(MistakeCheck, SeveralSolutionsShowTheListAndKeepCheckingOn) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(81, '.'));
    EXPECT_EQ(board->PrepareShowMistakes(), 1);
    EXPECT_EQ(platform.multipleSolutionsShown, 1);
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
