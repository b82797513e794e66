#include <gtest/gtest.h>

#include "engine/StepLog.h"

namespace {
// Each section of the step tells itself apart: its values and its first listed cell's column.
SolveStep DistinctSections() {
    SolveStep step;
    step.value = 1;
    step.column = 0;
    step.row = 4;
    step.pointingPair.value = 2;
    step.pointingPair.removals[0] = {1, 0, 2};
    step.pointingPair.removalCount = 1;
    step.boxLine.value = 3;
    step.boxLine.removals[0] = {2, 0, 4};
    step.boxLine.removals[1] = {2, 1, 4};
    step.boxLine.removalCount = 2;
    step.nakedPair = {4, 5, {}, {}, 1};
    step.nakedPair.removals[0] = {3, 0, 8};
    step.hiddenPair = {6, 7, {{{4, 0}, {4, 8}}}, {}};
    step.nakedTriple.values = {1, 2, 3};
    step.nakedTriple.removals[0] = {5, 0, 1};
    step.nakedTriple.removalCount = 1;
    step.hiddenTriple.values = {4, 5, 6};
    step.hiddenTriple.removals[0] = {6, 0, 1};
    step.hiddenTriple.removalCount = 1;
    step.nakedQuad.values = {6, 7, 8, 9};
    step.nakedQuad.removals[0] = {7, 0, 1};
    step.nakedQuad.removalCount = 1;
    step.uniqueRectangle.valueA = 2;
    step.uniqueRectangle.valueB = 9;
    step.uniqueRectangle.targetColumn = 8;
    step.uniqueRectangle.targetRow = 3;
    step.uniqueRectangle.extraValue = 5;
    step.uniqueRectangle.removals[0] = {9, 0, 16};
    step.uniqueRectangle.removalCount = 1;
    step.xWings.value = 7;
    step.xWings.removals[0] = {10, 0, 64};
    step.xWings.removalCount = 1;
    step.yWings.valueZ = 8;
    step.yWings.removals[0] = {11, 0, 128};
    step.yWings.removalCount = 1;
    step.singleColours.value = 9;
    step.singleColours.removals[0] = {12, 0, 256};
    step.singleColours.removalCount = 1;
    step.forcedChains.results[0] = {13, 0, 0, 0, 3, 4};
    step.forcedChains.resultCount = 1;
    step.bruteForceGuess.value = 6;
    step.bruteForceGuess.peers[0] = {14, 0, 32};
    step.bruteForceGuess.peerListCount = 1;
    return step;
}

struct ExpectedEntry {
    TechniqueId technique;
    std::array<int, 4> values;
    int firstColumn;
    int cellNbr;
};

TEST(StepLog, EachTechniqueLogsItsOwnSection) {
    const SolveStep step = DistinctSections();
    const ExpectedEntry expected[] = {
        {SingleInBox, {1, 0, 0, 0}, 1, 1},
        {NakedSingle, {1, 0, 0, 0}, 1, 1},
        {HiddenSingleInBox, {1, 0, 0, 0}, 1, 1},
        {PointingPairInColumn, {2, 0, 0, 0}, 2, 1},
        {BoxLineReductionInRow, {3, 0, 0, 0}, 3, 2},
        {NakedPairInBox, {4, 5, 0, 0}, 4, 1},
        {HiddenPairInColumn, {6, 7, 0, 0}, 5, 2},
        {NakedTripleInRow, {1, 2, 3, 0}, 6, 1},
        {HiddenTripleInBox, {4, 5, 6, 0}, 7, 1},
        {NakedQuadInColumn, {6, 7, 8, 9}, 8, 1},
        {UniqueRectangleType1, {2, 9, 0, 0}, 9, 1},
        {UniqueRectangleType2, {5, 0, 0, 0}, 10, 1},
        {XWings, {7, 0, 0, 0}, 11, 1},
        {YWings, {8, 0, 0, 0}, 12, 1},
        {SingleColoursType2, {9, 0, 0, 0}, 13, 1},
        {ForcedChains, {0, 0, 0, 0}, 14, 1},
        {BruteForceGuess, {6, 0, 0, 0}, 15, 1},
    };
    for (const ExpectedEntry& want : expected) {
        StepLogEntry entry;
        FillStepLogEntry(want.technique, step, entry);
        SCOPED_TRACE(want.technique);
        EXPECT_EQ(entry.techniqueId, want.technique);
        EXPECT_EQ((std::array<int, 4>{entry.value1, entry.value2, entry.value3, entry.value4}),
                  want.values);
        EXPECT_EQ(entry.cellNbr, want.cellNbr);
        EXPECT_EQ(entry.cellColumn[0], want.firstColumn);
    }
}

TEST(StepLog, UnreportedValuesStayAndListsStopAtTheirLimits) {
    SolveStep step = DistinctSections();
    StepLogEntry entry;
    entry.value1 = 3;
    entry.value2 = 4;
    FillStepLogEntry(ForcedChains, step, entry);
    EXPECT_EQ(entry.value1, 3);
    EXPECT_EQ(entry.value2, 4);

    step.singleColours.removalCount = 40;
    FillStepLogEntry(SingleColoursType1, step, entry);
    EXPECT_EQ(entry.cellNbr, kStepLogCellCapacity);

    // A count beyond the step's own list is not followed past it.
    step.pointingPair.removalCount = 1000;
    FillStepLogEntry(PointingPairInRow, step, entry);
    EXPECT_EQ(entry.cellNbr, kUnitRemovalCapacity);
    step.pointingPair.removalCount = -3;
    FillStepLogEntry(PointingPairInRow, step, entry);
    EXPECT_EQ(entry.cellNbr, 0);

    FillStepLogEntry(UniqueRectangleType3, step, entry);
    EXPECT_EQ(entry.techniqueId, UniqueRectangleType3);
    EXPECT_EQ(entry.cellNbr, 0);
}

TEST(StepLog, SharedRoutinesCountAsTheStepSays) {
    SolveStep step;
    const OrderedRoutine rectangle = kDriverOrder[kUniqueRectanglePosition];
    step.technique = UniqueRectangleType2;
    EXPECT_EQ(StepTechnique(rectangle, step), UniqueRectangleType2);
    step.technique = UniqueRectangleType1;
    EXPECT_EQ(StepTechnique(rectangle, step), UniqueRectangleType1);

    const OrderedRoutine colours = kDriverOrder[29];
    step.singleColours.colourTechnique = SingleColoursType1;
    EXPECT_EQ(StepTechnique(colours, step), SingleColoursType1);
    step.singleColours.colourTechnique = 0;
    EXPECT_EQ(StepTechnique(colours, step), SingleColoursType2);

    step.technique = NakedPairInRow;
    EXPECT_EQ(StepTechnique(kDriverOrder[13], step), NakedPairInBox);
}
}  // namespace
