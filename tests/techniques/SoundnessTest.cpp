// Every step the hint driver takes on real puzzles agrees with the puzzle's unique solution.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/HumanLikeSolving.h"
#include "techniques/UnitQueries.h"

namespace {
// Where the steps got stuck, no empty cell has a single candidate and no value of a unit has a
// single place.
void ExpectNoSingleLeft(const SudokuBoard& board, const std::string& puzzle) {
    for (int kind = RowUnit; kind <= BoxUnit; ++kind)
        for (int unit = 0; unit < board.size; ++unit)
            for (int v = 1; v <= board.size; ++v) {
                int places = 0;
                bool placed = false;
                for (int i = 0; i < board.size; ++i) {
                    const BoardCell& cell =
                        board.cells[UnitCellIndex(board, static_cast<UnitKind>(kind), unit, i)];
                    EXPECT_FALSE(cell.IsEmpty() && cell.candidateNbr == 1) << puzzle;
                    placed = placed || cell.value == v;
                    places += cell.IsEmpty() && (cell.candidates & bitOf(v));
                }
                EXPECT_TRUE(placed || places >= 2) << puzzle << " value " << v << " unit " << unit;
            }
}

// Steps through the board until no routine applies, checking each placement and removal against
// the solution. Returns the number of steps taken.
int StepAndCheck(SudokuBoard& board, const CellGrid& solution, const std::string& puzzle) {
    SolveStep step;
    int steps = 0;
    for (;;) {
        const CellGrid before = board.cells;
        if (SolveOneStep(board, step) == 0) {
            ExpectNoSingleLeft(board, puzzle);
            return steps;
        }
        ++steps;
        for (int x = 0; x < board.size; ++x)
            for (int y = 0; y < board.size; ++y) {
                const BoardCell& was = before[CellIndex(x, y)];
                const BoardCell& now = board.Cell(x, y);
                const int expected = solution[CellIndex(x, y)].value;
                if (now.value != was.value) {
                    EXPECT_EQ(now.value, expected)
                        << puzzle << " step " << steps << " technique " << step.technique << " r"
                        << y + 1 << "c" << x + 1;
                }
                if (now.IsEmpty()) {
                    EXPECT_TRUE(now.candidates & bitOf(expected))
                        << puzzle << " step " << steps << " technique " << step.technique
                        << " removed the solution's value at r" << y + 1 << "c" << x + 1;
                }
                EXPECT_EQ(now.candidateNbr, BitCount(now.candidates));
            }
        if (::testing::Test::HasFailure()) return steps;
    }
}

TEST(Soundness, HardAndSeventeenCluePuzzles) {
    const auto lines = ReadPuzzleLines(std::string(RARUDUZ_TEST_DATA) + "/unique_sample.txt", 1000);
    ASSERT_EQ(lines.size(), 108u);
    HeadlessPlatform platform;
    for (const std::string& puzzle : lines) {
        // The puzzles have one solution each. Steps only add values, so solving the board they
        // leave finds that solution quickly, or nothing when a step placed a wrong value.
        auto solved = MakeBoard(platform, puzzle);
        SolveStep step;
        while (SolveOneStep(*solved, step) == 1) {
        }
        ASSERT_EQ(solved->SolveBruteForce(StopAtFirstSolution), SolutionFound) << puzzle;
        auto board = MakeBoard(platform, puzzle);
        EXPECT_GT(StepAndCheck(*board, solved->solution, puzzle), 0) << puzzle;
        if (::testing::Test::HasFailure()) return;
    }
}
}  // namespace
