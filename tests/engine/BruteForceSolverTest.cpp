#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BruteForceDifferential.h"
#include "ReferenceBruteForce.h"
#include "TestSupport.h"

namespace {
// Recursive steps of the literal search allowed per board; boards that need more are skipped.
constexpr long kNodeBudget = 3000;
constexpr int kModes[] = {1, 3, 2};

const std::string kEmpty9(81, '.');
const std::string kEmpty16(256, '.');
const char kSmallestGrid[] =
    "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
// Hard enough that the search runs well past its first pumps.
const char kHardPuzzle[] =
    "........8..3...4...9..2..6.....79.......612...6.5.2.7...8...5...1.....2.4.5.....3";

int CompareInEveryMode(const std::vector<std::string>& puzzles,
                       const BoardPreparation& prepare = {}) {
    int compared = 0;
    for (const std::string& puzzle : puzzles)
        for (int mode : kModes)
            compared += ExpectSameAsReference(puzzle, mode, kNodeBudget, prepare);
    return compared;
}

// The puzzle with one more clue: in its first empty cell, the smallest candidate that is not the
// solution's value there. Such a board has no solution.
std::string WithWrongClue(const std::string& puzzle, const std::string& solution) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, puzzle);
    const std::size_t cell = puzzle.find('.');
    const BoardCell& target = board->Cell(static_cast<int>(cell % 9), static_cast<int>(cell / 9));
    std::string result = puzzle;
    for (int v = 1; v <= 9; ++v)
        if ((target.candidates & bitOf(v)) && kValueSymbols[v] != solution[cell]) {
            result[cell] = kValueSymbols[v];
            break;
        }
    return result;
}

// The puzzle with the value of its first clue repeated in the first empty cell of the same row.
std::string WithRepeatedClue(const std::string& puzzle) {
    std::string result = puzzle;
    for (std::size_t row = 0; row < 9; ++row) {
        const std::string line = puzzle.substr(row * 9, 9);
        const std::size_t clue = line.find_first_not_of('.'), empty = line.find('.');
        if (clue == std::string::npos || empty == std::string::npos) continue;
        result[row * 9 + empty] = line[clue];
        return result;
    }
    return result;
}

TEST(BruteForceSolver, MatchesReferenceOnPuzzleSets) {
    const struct {
        const char* file;
        std::size_t count, step;
    } sets[] = {
        {"17clue_royle_49151.txt", 20, 2011},
        {"magictour_top1465.txt", 40, 31},
        {"forum_hardest_1106_375.txt", 30, 11},
        {"serg_benchmark_10000.txt", 40, 241},
        {"top95.txt", 30, 3},
    };
    for (const auto& set : sets) {
        const std::vector<std::string> puzzles = SamplePuzzles(set.file, set.count, set.step);
        if (puzzles.empty()) continue;
        SCOPED_TRACE(set.file);
        EXPECT_GT(CompareInEveryMode(puzzles), 0);
    }
}

TEST(BruteForceSolver, KeepsTheTypesOfFilledCells) {
    // Solve-mode entries stay Given or Mistake, whatever the solver does around them.
    const BoardPreparation retype = [](SudokuBoard& board, HeadlessPlatform&) {
        int k = 0;
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                if (board.Cell(x, y).value != -1)
                    board.Cell(x, y).type = ++k % 3 == 0 ? Mistake : Given;
    };
    EXPECT_EQ(CompareInEveryMode({kClassicPuzzle, kSmallestGrid}, retype), 6);
}

TEST(BruteForceSolver, ReportsBoardsWithoutSolution) {
    // Row 0 holds 1..8 and column 8 a 9: the last cell of row 0 has no candidate.
    const std::string deadCell = "12345678.........9" + std::string(63, '.');
    std::vector<std::string> boards = {deadCell, WithWrongClue(kClassicPuzzle, kClassicSolution)};
    for (const std::string& puzzle : SamplePuzzles("top95.txt", 12, 7)) {
        HeadlessPlatform solvePlatform;
        std::unique_ptr<SudokuBoard> solved = MakeBoard(solvePlatform, puzzle);
        solved->SolveBruteForce(1);
        boards.push_back(WithWrongClue(puzzle, BoardText(*solved)));
        boards.push_back(WithRepeatedClue(puzzle));
    }
    std::set<SolveStatus> statuses;
    for (const std::string& puzzle : boards) {
        for (int mode : kModes) ExpectSameAsReference(puzzle, mode, kNodeBudget);
        HeadlessPlatform statusPlatform;
        statuses.insert(MakeBoard(statusPlatform, puzzle)->SolveBruteForce(3));
    }
    EXPECT_TRUE(statuses.count(ZeroCellFound));
    EXPECT_TRUE(statuses.count(NoSolutionFound));
}

// Opens the first rectangle a b / b a of the grid (rows from firstRow on) that lies in two boxes,
// so that the board gets a second solution; false when there is none.
bool OpenSwapRectangle(std::string& grid, int firstRow) {
    const auto at = [&](int row, int column) { return grid[row * 9 + column]; };
    for (int r1 = firstRow; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    const bool twoBoxes = (r1 / 3 == r2 / 3) != (c1 / 3 == c2 / 3);
                    if (twoBoxes && at(r1, c1) == at(r2, c2) && at(r1, c2) == at(r2, c1)) {
                        for (int cell : {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2})
                            grid[cell] = '.';
                        return true;
                    }
                }
    return false;
}

TEST(BruteForceSolver, SolvesBoardsWhoseCluesRepeatAValue) {
    // The search only keeps open cells apart from their peers, so such a board can have
    // solutions; the fast search must not assume that a unit with a repeated value holds every
    // value. Here row 0 and box 0 hold two 1s and no 2, and a swap rectangle below is open.
    std::string repeated = std::string("11.......") + (kSmallestGrid + 9);
    ASSERT_TRUE(OpenSwapRectangle(repeated, 1));
    EXPECT_EQ(CompareInEveryMode({repeated, WithRepeatedClue(kClassicPuzzle)}), 6);
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, repeated);
    EXPECT_EQ(board->SolveBruteForce(2), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 2);
    EXPECT_EQ(BoardText(*board).substr(0, 9), "113456789");
}

TEST(BruteForceSolver, ListsTheSmallestGridsOfTheEmptyBoard) {
    EXPECT_TRUE(ExpectSameAsReference(kEmpty9, 2, kNodeBudget));
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kEmpty9);
    EXPECT_EQ(board->SolveBruteForce(2), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 50);
    EXPECT_EQ(BoardText(*board), kSmallestGrid);
    for (int k = 1; k < 50; ++k)
        EXPECT_LT(GridText(*board, board->solutions[k - 1]), GridText(*board, board->solutions[k]));
}

TEST(BruteForceSolver, ShowsTheFirstOfTwoSolutions) {
    // Rows 0 and 3 of kSmallestGrid start with 1 2 and 2 1: with these four cells open, swapping
    // them gives a second solution, which comes after kSmallestGrid in reading order.
    std::string twoSolutions = kSmallestGrid;
    for (int cell : {0, 1, 27, 28}) twoSolutions[cell] = '.';
    // Both solutions in order are the two-solutions scenario's check.
    EXPECT_EQ(CompareInEveryMode({twoSolutions}), 3);
}

TEST(BruteForceSolver, TakesAFullBoardAsItsOwnSolution) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kClassicSolution);
    EXPECT_EQ(board->SolveBruteForce(3), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 1);
    EXPECT_EQ(board->Cell(2, 0), (BoardCell{4, Clue, bitOf(4), 1}));
    EXPECT_EQ(platform.pumpNbr, 0);
}

TEST(BruteForceSolver, MatchesReferenceOn16x16Boards) {
    std::string puzzle = Grid16();
    // Take out about half the cells, spread by a fixed stride.
    for (int cell = 0; cell < 256; cell += 2) puzzle[(cell * 37) % 256] = '.';
    EXPECT_EQ(CompareInEveryMode({kEmpty16, puzzle, Grid16()}), 9);

    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kEmpty16);
    EXPECT_EQ(board->SolveBruteForce(3), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 2);
    EXPECT_EQ(BoardText(*board).substr(0, 32), "123456789ABCDEFG56781234DEFG9ABC");
}

TEST(BruteForceSolver, StopsWhenTheRunningFlagIsCleared) {
    const BoardPreparation stopAtOnce = [](SudokuBoard& board, HeadlessPlatform& platform) {
        platform.onPump = [&board] { board.bruteForceRunning = 0; };
    };
    for (int mode : kModes)
        EXPECT_TRUE(ExpectSameAsReference(kHardPuzzle, mode, kNodeBudget, stopAtOnce));
    EXPECT_TRUE(ExpectSameAsReference(kEmpty9, 2, kNodeBudget, stopAtOnce));

    // Stopped while counting, before any solution is known: nothing found, the first
    // propagation's singles stay (the same board as a stop at once).
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kHardPuzzle);
    platform.onPump = [&] {
        if (platform.pumpNbr == 2) board->bruteForceRunning = 0;
    };
    EXPECT_EQ(board->SolveBruteForce(2), SolvingAborted);
    EXPECT_EQ(board->solutionNbr, 0);
    HeadlessPlatform stoppedPlatform;
    std::unique_ptr<SudokuBoard> stopped = MakeBoard(stoppedPlatform, kHardPuzzle);
    stopAtOnce(*stopped, stoppedPlatform);
    stopped->SolveBruteForce(2);
    EXPECT_EQ(board->cells, stopped->cells);
}

TEST(BruteForceSolver, StoppedAfterASolutionKeepsWhatItFound) {
    HeadlessPlatform fullPlatform;
    std::unique_ptr<SudokuBoard> full = MakeBoard(fullPlatform, kEmpty9);
    SolveBruteForceReference(*full, 2, kNodeBudget);

    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kEmpty9);
    platform.onPump = [&] {
        if (board->solutionNbr >= 1) board->bruteForceRunning = 0;
    };
    EXPECT_EQ(board->SolveBruteForce(2), SolutionFound);
    EXPECT_GE(board->solutionNbr, 1);
    EXPECT_LT(board->solutionNbr, 50);
    EXPECT_EQ(board->cells, full->cells);
    EXPECT_EQ(board->firstSolution, full->firstSolution);
    for (int k = 0; k < board->solutionNbr; ++k) EXPECT_EQ(board->solutions[k], full->solutions[k]);
}

TEST(BruteForceSolver, PumpsAndTracesWhileSearching) {
    HeadlessPlatform platform;
    int traced = 0;
    platform.traceSink = [&](std::string_view) { ++traced; };
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kHardPuzzle);
    board->SolveBruteForce(3);
    EXPECT_GT(platform.pumpNbr, 2);
    EXPECT_EQ(traced, 0);

    HeadlessPlatform tracePlatform;
    tracePlatform.traceEnabled = true;
    std::set<std::string> lines;
    tracePlatform.traceSink = [&](std::string_view line) { lines.emplace(line); };
    std::unique_ptr<SudokuBoard> tracedBoard = MakeBoard(tracePlatform, kHardPuzzle);
    tracedBoard->SolveBruteForce(3);
    EXPECT_EQ(lines, (std::set<std::string>{"first check result 0    ZERO_SOL 1  SUCESS 0 \n",
                                            "first check result 1    ZERO_SOL 1  SUCESS 0 \n",
                                            "first check result 3    ZERO_SOL 1  SUCESS 0 \n"}));

    // Without a sink the lines go to standard error as they come.
    HeadlessPlatform errorPlatform;
    errorPlatform.traceEnabled = true;
    std::unique_ptr<SudokuBoard> toError = MakeBoard(errorPlatform, kHardPuzzle);
    testing::internal::CaptureStderr();
    toError->SolveBruteForce(3);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written.substr(0, 46), "first check result 3    ZERO_SOL 1  SUCESS 0 \n");
    EXPECT_GT(std::count(written.begin(), written.end(), '\n'), 2);
}
}  // namespace
