#include "techniques/TechniqueOrder.h"

namespace {
constexpr std::array<OrderedRoutine, kRoutineCount> MakeDriverOrder(bool columnReductionFirst) {
    std::array<OrderedRoutine, kRoutineCount> order = {{
        {FindSingleInBox, SingleInBox},
        {FindSingleInRow, SingleInRow},
        {FindSingleInColumn, SingleInColumn},
        {FindHiddenSingleInRow, HiddenSingleInRow},
        {FindHiddenSingleInColumn, HiddenSingleInColumn},
        {FindHiddenSingleInBox, HiddenSingleInBox},
        {FindNakedSingle, NakedSingle},
        {FindPointingPairInRow, PointingPairInRow},
        {FindPointingPairInColumn, PointingPairInColumn},
        {FindBoxLineReductionInRow, BoxLineReductionInRow},
        {FindBoxLineReductionInColumn, BoxLineReductionInColumn},
        {FindNakedPairInRow, NakedPairInRow},
        {FindNakedPairInColumn, NakedPairInColumn},
        {FindNakedPairInBox, NakedPairInBox},
        {FindHiddenPairInRow, HiddenPairInRow},
        {FindHiddenPairInColumn, HiddenPairInColumn},
        {FindHiddenPairInBox, HiddenPairInBox},
        {FindNakedTripleInRow, NakedTripleInRow},
        {FindNakedTripleInColumn, NakedTripleInColumn},
        {FindNakedTripleInBox, NakedTripleInBox},
        {FindHiddenTripleInBox, HiddenTripleInBox},
        {FindHiddenTripleInRow, HiddenTripleInRow},
        {FindHiddenTripleInColumn, HiddenTripleInColumn},
        {FindNakedQuadInBox, NakedQuadInBox},
        {FindNakedQuadInRow, NakedQuadInRow},
        {FindNakedQuadInColumn, NakedQuadInColumn},
        {FindUniqueRectangle, UniqueRectangleType1},
        {FindXWings, XWings},
        {FindYWings, YWings},
        {FindSingleColours, SingleColoursType1},
        {FindForcedChains, ForcedChains},
        {FindBruteForceGuess, BruteForceGuess},
    }};
    if (columnReductionFirst) std::swap(order[9], order[10]);
    return order;
}
}  // namespace

const std::array<OrderedRoutine, kRoutineCount> kDriverOrder = MakeDriverOrder(false);
const std::array<OrderedRoutine, kRoutineCount> kHintOrder = MakeDriverOrder(true);
