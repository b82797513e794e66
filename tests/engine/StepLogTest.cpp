#include <gtest/gtest.h>

#include <memory>

#include "engine/StepLog.h"
#include "techniques/TechniqueTable.h"

namespace {
// What each technique shows and logs, and what its description says, is checked on every case of
// the technique regression library; here the limits of the lists and the shared routines.
TEST(StepLog, UnreportedValuesStayAndListsStopAtTheirLimits) {
    auto step = std::make_unique<SolveStep>();
    auto display = std::make_unique<StepDisplay>();
    StepLogEntry entry;
    entry.value1 = 3;
    entry.value2 = 4;
    step->technique = ForcedChains;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.value1, 3);
    EXPECT_EQ(entry.value2, 4);

    step->technique = SingleColoursType1;
    step->singleColours.value = 9;
    step->singleColours.removalCount = 40;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.value1, 9);
    EXPECT_EQ(entry.cellNbr, kStepLogCellCapacity);

    // A count beyond the step's own list is not followed past it.
    step->technique = PointingPairInRow;
    step->pointingPair.removalCount = 1000;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.cellNbr, kUnitRemovalCapacity);
    step->pointingPair.removalCount = -3;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.cellNbr, 0);

    // A guess lists the peers it cleared, not the guessed cell.
    step->technique = BruteForceGuess;
    step->bruteForceGuess = {};
    step->bruteForceGuess.column = 4;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.cellNbr, 0);

    step->technique = UniqueRectangleType3;
    ShowStep(*step, *display);
    FillStepLogEntry(*display, entry);
    EXPECT_EQ(entry.techniqueId, UniqueRectangleType3);
    EXPECT_EQ(entry.cellNbr, 0);
}

TEST(StepLog, SharedRoutinesCountAsTheStepSays) {
    SolveStep step;
    const OrderedRoutine& rectangle = *RoutineOf(UniqueRectangleType2);
    EXPECT_EQ(&rectangle, RoutineOf(UniqueRectangleType1));
    step.technique = UniqueRectangleType2;
    EXPECT_EQ(rectangle.Counted(step), UniqueRectangleType2);
    step.technique = UniqueRectangleType1;
    EXPECT_EQ(rectangle.Counted(step), UniqueRectangleType1);
    EXPECT_EQ(RoutineOf(UniqueRectangleType3), nullptr);
    EXPECT_EQ(RoutineOf(UnknownTechnique), nullptr);

    const OrderedRoutine& colours = *RoutineOf(SingleColoursType1);
    step.technique = SingleColoursType1;
    EXPECT_EQ(colours.Counted(step), SingleColoursType1);
    step.technique = SingleColoursType2;
    EXPECT_EQ(colours.Counted(step), SingleColoursType2);

    step.technique = NakedPairInRow;
    EXPECT_EQ(RoutineOf(NakedPairInBox)->Counted(step), NakedPairInBox);

    EXPECT_STREQ(DescriptionOf(UniqueRectangleType1)->text,
                 "Candidates %s and %s removed in Cell ");
    EXPECT_STREQ(DescriptionOf(UniqueRectangleType2)->text, "Candidate %s removed in Cell%s");
    EXPECT_EQ(DescriptionOf(UniqueRectangleType4), nullptr);
    EXPECT_EQ(DescriptionOf(99), nullptr);
}
}  // namespace
