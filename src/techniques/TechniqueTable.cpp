#include "techniques/TechniqueTable.h"

namespace {
constexpr const StepDescription* kPlaced = &kPlacementDescription;
constexpr const StepDescription* kOne = &kOneCandidateDescription;

constexpr OrderedRoutine Routine(TechniqueRoutine find, TechniqueId technique, StepShower show,
                                 const StepDescription* description) {
    return {find, technique, technique, show, {description, description}};
}

constexpr OrderedRoutine PlacedValuesRoutine(TechniqueRoutine find, TechniqueId technique) {
    OrderedRoutine routine = Routine(find, technique, ShowSingle, kPlaced);
    routine.readsPlacedValuesOnly = true;
    return routine;
}

constexpr RoutineOrder MakeDriverOrder(bool columnReductionFirst) {
    RoutineOrder order = {{
        PlacedValuesRoutine(FindSingleInBox, SingleInBox),
        PlacedValuesRoutine(FindSingleInRow, SingleInRow),
        PlacedValuesRoutine(FindSingleInColumn, SingleInColumn),
        Routine(FindHiddenSingleInRow, HiddenSingleInRow, ShowSingle, kPlaced),
        Routine(FindHiddenSingleInColumn, HiddenSingleInColumn, ShowSingle, kPlaced),
        Routine(FindHiddenSingleInBox, HiddenSingleInBox, ShowSingle, kPlaced),
        Routine(FindNakedSingle, NakedSingle, ShowSingle, kPlaced),
        Routine(FindPointingPairInRow, PointingPairInRow, ShowPointingPair, kOne),
        Routine(FindPointingPairInColumn, PointingPairInColumn, ShowPointingPair, kOne),
        Routine(FindBoxLineReductionInRow, BoxLineReductionInRow, ShowBoxLineReduction, kOne),
        Routine(FindBoxLineReductionInColumn, BoxLineReductionInColumn, ShowBoxLineReduction, kOne),
        Routine(FindNakedPairInRow, NakedPairInRow, ShowNakedPair, &kNakedPairDescription),
        Routine(FindNakedPairInColumn, NakedPairInColumn, ShowNakedPair, &kNakedPairDescription),
        Routine(FindNakedPairInBox, NakedPairInBox, ShowNakedPair, &kNakedPairDescription),
        Routine(FindHiddenPairInRow, HiddenPairInRow, ShowHiddenPair, &kHiddenPairDescription),
        Routine(FindHiddenPairInColumn, HiddenPairInColumn, ShowHiddenPair,
                &kHiddenPairDescription),
        Routine(FindHiddenPairInBox, HiddenPairInBox, ShowHiddenPair, &kHiddenPairDescription),
        Routine(FindNakedTripleInRow, NakedTripleInRow, ShowNakedTriple, &kNakedTripleDescription),
        Routine(FindNakedTripleInColumn, NakedTripleInColumn, ShowNakedTriple,
                &kNakedTripleDescription),
        Routine(FindNakedTripleInBox, NakedTripleInBox, ShowNakedTriple, &kNakedTripleDescription),
        Routine(FindHiddenTripleInBox, HiddenTripleInBox, ShowHiddenTriple,
                &kHiddenTripleDescription),
        Routine(FindHiddenTripleInRow, HiddenTripleInRow, ShowHiddenTriple,
                &kHiddenTripleDescription),
        Routine(FindHiddenTripleInColumn, HiddenTripleInColumn, ShowHiddenTriple,
                &kHiddenTripleDescription),
        Routine(FindNakedQuadInBox, NakedQuadInBox, ShowNakedQuad, &kNakedQuadDescription),
        Routine(FindNakedQuadInRow, NakedQuadInRow, ShowNakedQuad, &kNakedQuadDescription),
        Routine(FindNakedQuadInColumn, NakedQuadInColumn, ShowNakedQuad, &kNakedQuadDescription),
        {FindUniqueRectangle,
         UniqueRectangleType1,
         UniqueRectangleType2,
         ShowUniqueRectangle,
         {&kRectangleType1Description, kOne}},
        Routine(FindXWings, XWings, ShowXWings, kOne),
        Routine(FindYWings, YWings, ShowYWings, kOne),
        // Type II colours read like type I in the log.
        {FindSingleColours,
         SingleColoursType1,
         SingleColoursType2,
         ShowSingleColours,
         {kOne, kOne}},
        Routine(FindForcedChains, ForcedChains, ShowForcedChains, &kForcedChainsDescription),
        Routine(FindBruteForceGuess, BruteForceGuess, ShowBruteForceGuess, kOne),
    }};
    if (columnReductionFirst) std::swap(order[9], order[10]);
    return order;
}
}  // namespace

const RoutineOrder kDriverOrder = MakeDriverOrder(false);
const RoutineOrder kHintOrder = MakeDriverOrder(true);

const OrderedRoutine* RoutineOf(int technique) {
    if (technique == UnknownTechnique) return nullptr;
    for (const OrderedRoutine& routine : kDriverOrder)
        if (routine.Reports(technique)) return &routine;
    return nullptr;
}

void ShowStep(const SolveStep& step, StepDisplay& display) {
    if (const OrderedRoutine* routine = RoutineOf(step.technique))
        routine->show(step, display);
    else
        display.Begin(step.technique, NoHintPage);
}

const StepDescription* DescriptionOf(int technique) {
    const OrderedRoutine* routine = RoutineOf(technique);
    if (!routine) return nullptr;
    return routine->descriptions[technique == routine->technique ? 0 : 1];
}
