#include <gtest/gtest.h>

#include "engine/StepLog.h"

namespace {
// Which section each technique logs, and what its description says, is checked on every case of
// the technique regression library; here the limits of the lists.
TEST(StepLog, UnreportedValuesStayAndListsStopAtTheirLimits) {
    SolveStep step;
    step.singleColours.value = 9;
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
