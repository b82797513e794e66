#include "BruteForceDifferential.h"

#include <gtest/gtest.h>

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
