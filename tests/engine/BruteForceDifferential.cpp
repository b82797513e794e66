#include "BruteForceDifferential.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "GridCounter.h"
#include "ReferenceBruteForce.h"
#include "TestSupport.h"

namespace {
std::string CellText(const BoardCell& cell) {
    return "{" + std::to_string(cell.value) + ", " + std::to_string(cell.type) + ", " +
           std::to_string(cell.candidates) + ", " + std::to_string(cell.candidateNbr) + "}";
}

void ExpectSameGrid(const CellGrid& expected, const CellGrid& actual, const std::string& what) {
    for (int index = 0; index < kGridCells; ++index)
        if (!(expected[index] == actual[index])) {
            ADD_FAILURE() << what << " differs first at column " << index / kGridSide << ", row "
                          << index % kGridSide << ": expected " << CellText(expected[index])
                          << ", got " << CellText(actual[index]);
            return;
        }
}
}  // namespace

void ExpectSameOutcome(const SudokuBoard& expected, const SudokuBoard& actual) {
    EXPECT_EQ(expected.solutionNbr, actual.solutionNbr);
    EXPECT_EQ(expected.solutionLimit, actual.solutionLimit);
    EXPECT_EQ(expected.solutionKnown, actual.solutionKnown);
    EXPECT_EQ(actual.bruteForceRunning, 0);
    EXPECT_EQ(expected.clueNbr, actual.clueNbr);
    EXPECT_EQ(expected.givenNbr, actual.givenNbr);
    EXPECT_EQ(expected.emptyNbr, actual.emptyNbr);
    ExpectSameGrid(expected.cells, actual.cells, "cells");
    ExpectSameGrid(expected.firstSolution, actual.firstSolution, "firstSolution");
    ExpectSameGrid(expected.solution, actual.solution, "solution");
    for (int k = 0; k < kStoredSolutionCapacity; ++k)
        ExpectSameGrid(expected.solutions[k], actual.solutions[k],
                       "solutions[" + std::to_string(k) + "]");
}

bool ExpectSameAsReference(std::string_view text, BruteForceMode mode, long nodeBudget,
                           const BoardPreparation& prepare) {
    HeadlessPlatform referencePlatform;
    RunControl referenceControl;
    std::unique_ptr<SudokuBoard> reference = MakeBoard(referencePlatform, text);
    if (prepare) prepare(*reference, referencePlatform, referenceControl);
    const ReferenceRun run =
        SolveBruteForceReference(*reference, mode, nodeBudget, &referenceControl);
    if (!run.finished) return false;

    HeadlessPlatform platform;
    RunControl control;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, text);
    if (prepare) prepare(*board, platform, control);
    EXPECT_EQ(run.status, board->SolveBruteForce(mode, &control)) << text << " mode " << mode;
    SCOPED_TRACE(std::string(text) + " mode " + std::to_string(mode));
    ExpectSameOutcome(*reference, *board);
    return true;
}

namespace {
std::vector<int> GridValues(const SudokuBoard& board, const CellGrid& grid) {
    std::vector<int> values;
    for (int y = 0; y < board.size; ++y)
        for (int x = 0; x < board.size; ++x)
            values.push_back(std::max(grid[CellIndex(x, y)].value, 0));
    return values;
}

// A full grid that keeps the puzzle's clues and holds each value once in every unit.
bool IsSolutionOf(const std::vector<int>& puzzle, const std::vector<int>& grid, int n) {
    const int box = n == 16 ? 4 : 3;
    for (int cell = 0; cell < n * n; ++cell)
        if (grid[cell] < 1 || grid[cell] > n || (puzzle[cell] && puzzle[cell] != grid[cell]))
            return false;
    for (int i = 0; i < n; ++i) {
        unsigned row = 0, column = 0, block = 0;
        for (int j = 0; j < n; ++j) {
            row |= 1u << grid[i * n + j];
            column |= 1u << grid[j * n + i];
            block |= 1u << grid[(i / box * box + j / box) * n + i % box * box + j % box];
        }
        if (row != column || row != block || row != ((1u << n) - 1) << 1) return false;
    }
    return true;
}
}  // namespace

bool ExpectSoundOutcome(std::string_view text, BruteForceMode mode, long nodeBudget) {
    SCOPED_TRACE(std::string(text) + " mode " + std::to_string(static_cast<int>(mode)));
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, text);
    const int n = board->size;
    const std::vector<int> puzzle = GridValues(*board, board->cells);
    EXPECT_EQ(board->SolveBruteForce(mode), SolutionFound);
    const int stored = board->solutionNbr;
    EXPECT_GE(stored, 1);
    EXPECT_EQ(board->bruteForceRunning, 0);
    EXPECT_EQ(board->solutionKnown, 1);
    EXPECT_EQ(board->cells, board->firstSolution);
    EXPECT_EQ(board->solution, board->firstSolution);
    if (stored < 1) return true;
    EXPECT_EQ(board->firstSolution, board->solutions[0]);
    for (int k = 0; k < stored; ++k) {
        EXPECT_TRUE(IsSolutionOf(puzzle, GridValues(*board, board->solutions[k]), n)) << k;
        if (k > 0) {
            EXPECT_LT(GridText(*board, board->solutions[k - 1]),
                      GridText(*board, board->solutions[k]));
        }
    }
    const CountResult count = CountCompletions(puzzle, n, board->solutionLimit, nodeBudget);
    const CountResult beforeFirst =
        CountSolutionsBelow(puzzle, GridValues(*board, board->solutions[0]), n, 1, nodeBudget);
    const CountResult beforeLast = CountSolutionsBelow(
        puzzle, GridValues(*board, board->solutions[stored - 1]), n, stored, nodeBudget);
    if (!count.finished || !beforeFirst.finished || !beforeLast.finished) return false;
    EXPECT_EQ(count.count, stored);
    EXPECT_EQ(beforeFirst.count, 0);
    EXPECT_EQ(beforeLast.count, stored - 1);
    return true;
}
