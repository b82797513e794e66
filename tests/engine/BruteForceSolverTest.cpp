#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BruteForceDifferential.h"
#include "ReferenceBruteForce.h"
#include "TestSupport.h"

namespace {
// Recursive steps of the literal search allowed per board; boards that need more are skipped.
constexpr long kNodeBudget = 3000;
constexpr BruteForceMode kModes[] = {StopAtFirstSolution, StopAtSecondSolution, CountToFifty};

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
        for (BruteForceMode mode : kModes)
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

// A sample of every public puzzle set; the whole sets are compared by the slow tests.
std::vector<std::string> TestPuzzles(const char* fileName) {
    return ReadPuzzleLines(std::string(RARUDUZ_TEST_DATA) + "/" + fileName, 1000);
}

TEST(BruteForceSolver, MatchesReferenceOnPuzzleSets) {
    const std::vector<std::string> puzzles = TestPuzzles("reference_sample.txt");
    ASSERT_EQ(puzzles.size(), 160u);
    // Most are compared (284 of 480 runs); the rest need more steps of the literal search than
    // the budget.
    EXPECT_GT(CompareInEveryMode(puzzles), 200);
}

TEST(BruteForceSolver, KeepsTheTypesOfFilledCells) {
    // Solve-mode entries stay Given or Mistake, whatever the solver does around them.
    const BoardPreparation retype = [](SudokuBoard& board, HeadlessPlatform&, RunControl&) {
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
    const std::vector<std::string> hard = TestPuzzles("top95_sample.txt");
    ASSERT_EQ(hard.size(), 12u);
    for (const std::string& puzzle : hard) {
        HeadlessPlatform solvePlatform;
        std::unique_ptr<SudokuBoard> solved = MakeBoard(solvePlatform, puzzle);
        solved->SolveBruteForce(StopAtFirstSolution);
        boards.push_back(WithWrongClue(puzzle, BoardText(*solved)));
        boards.push_back(WithRepeatedClue(puzzle));
    }
    std::set<SolveStatus> statuses;
    for (const std::string& puzzle : boards) {
        for (BruteForceMode mode : kModes) ExpectSameAsReference(puzzle, mode, kNodeBudget);
        HeadlessPlatform statusPlatform;
        statuses.insert(MakeBoard(statusPlatform, puzzle)->SolveBruteForce(StopAtSecondSolution));
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
    EXPECT_EQ(board->SolveBruteForce(CountToFifty), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 2);
    EXPECT_EQ(BoardText(*board).substr(0, 9), "113456789");
}

TEST(BruteForceSolver, ListsTheSmallestGridsOfTheEmptyBoard) {
    EXPECT_TRUE(ExpectSameAsReference(kEmpty9, CountToFifty, kNodeBudget));
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kEmpty9);
    EXPECT_EQ(board->SolveBruteForce(CountToFifty), SolutionFound);
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
    EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
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
    EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    EXPECT_EQ(board->solutionNbr, 2);
    EXPECT_EQ(BoardText(*board).substr(0, 32), "123456789ABCDEFG56781234DEFG9ABC");
}

TEST(BruteForceSolver, StopsWhenTheControlAsksIt) {
    const BoardPreparation stopAtOnce = [](SudokuBoard&, HeadlessPlatform& platform,
                                           RunControl& control) {
        platform.onPump = [&control] { control.stopRequested = true; };
    };
    for (BruteForceMode mode : kModes)
        EXPECT_TRUE(ExpectSameAsReference(kHardPuzzle, mode, kNodeBudget, stopAtOnce));
    EXPECT_TRUE(ExpectSameAsReference(kEmpty9, CountToFifty, kNodeBudget, stopAtOnce));

    // Stopped while counting, before any solution is known: nothing found, the first
    // propagation's singles stay (the same board as a stop at once).
    HeadlessPlatform platform;
    RunControl control;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kHardPuzzle);
    platform.onPump = [&] {
        if (platform.pumpNbr == 2) control.stopRequested = true;
    };
    EXPECT_EQ(board->SolveBruteForce(CountToFifty, &control), SolvingAborted);
    EXPECT_EQ(board->solutionNbr, 0);
    EXPECT_EQ(board->bruteForceRunning, 0);
    HeadlessPlatform stoppedPlatform;
    RunControl stoppedControl;
    std::unique_ptr<SudokuBoard> stopped = MakeBoard(stoppedPlatform, kHardPuzzle);
    stopAtOnce(*stopped, stoppedPlatform, stoppedControl);
    stopped->SolveBruteForce(CountToFifty, &stoppedControl);
    EXPECT_EQ(board->cells, stopped->cells);
}

TEST(BruteForceSolver, StoppedAfterASolutionKeepsWhatItFoundButProvesNothing) {
    HeadlessPlatform fullPlatform;
    std::unique_ptr<SudokuBoard> full = MakeBoard(fullPlatform, kEmpty9);
    SolveBruteForceReference(*full, CountToFifty, kNodeBudget);

    HeadlessPlatform platform;
    RunControl control;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kSmallestGrid);
    ASSERT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    EXPECT_EQ(board->uniqueSolutionKnown, 1);
    board->Initialise(9, 0, "", "", nullptr, 0, 0);
    EXPECT_EQ(board->uniqueSolutionKnown, 0);

    platform.onPump = [&] {
        if (board->solutionNbr >= 1) control.stopRequested = true;
    };
    EXPECT_EQ(board->SolveBruteForce(CountToFifty, &control), SolutionFound);
    EXPECT_GE(board->solutionNbr, 1);
    EXPECT_LT(board->solutionNbr, 50);
    EXPECT_EQ(board->uniqueSolutionKnown, 0);
    EXPECT_EQ(board->cells, full->cells);
    EXPECT_EQ(board->firstSolution, full->firstSolution);
    for (int k = 0; k < board->solutionNbr; ++k) EXPECT_EQ(board->solutions[k], full->solutions[k]);
}

TEST(BruteForceSolver, PumpsAndTracesWhileSearching) {
    HeadlessPlatform platform;
    int traced = 0;
    platform.traceSink = [&](std::string_view) { ++traced; };
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kHardPuzzle);
    board->SolveBruteForce(StopAtSecondSolution);
    EXPECT_GT(platform.pumpNbr, 2);
    EXPECT_EQ(traced, 0);

    HeadlessPlatform tracePlatform;
    tracePlatform.traceEnabled = true;
    std::set<std::string> lines;
    tracePlatform.traceSink = [&](std::string_view line) { lines.emplace(line); };
    std::unique_ptr<SudokuBoard> tracedBoard = MakeBoard(tracePlatform, kHardPuzzle);
    tracedBoard->SolveBruteForce(StopAtSecondSolution);
    EXPECT_EQ(lines, (std::set<std::string>{"first check result 0    ZERO_SOL 1  SUCESS 0 \n",
                                            "first check result 1    ZERO_SOL 1  SUCESS 0 \n",
                                            "first check result 3    ZERO_SOL 1  SUCESS 0 \n"}));

    // Without a sink the lines go to standard error as they come.
    HeadlessPlatform errorPlatform;
    errorPlatform.traceEnabled = true;
    std::unique_ptr<SudokuBoard> toError = MakeBoard(errorPlatform, kHardPuzzle);
    testing::internal::CaptureStderr();
    toError->SolveBruteForce(StopAtSecondSolution);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written.substr(0, 46), "first check result 3    ZERO_SOL 1  SUCESS 0 \n");
    EXPECT_GT(std::count(written.begin(), written.end(), '\n'), 2);
}
}  // namespace
