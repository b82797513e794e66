#pragma once
// The routine table: every search routine in the order the solve drivers try it, simplest first,
// with the techniques its steps count as and how they are shown and described. The drivers, the
// hint driver, the regression library and the benchmarks all walk this one table.

#include <array>

#include "techniques/TechniqueRoutines.h"

inline constexpr int kRoutineCount = 32;

struct OrderedRoutine {
    TechniqueRoutine find;
    TechniqueId technique;  // the technique of its steps
    // A routine that reports two techniques (unique rectangles, single colours) names its type II
    // here; the others name their one technique again.
    TechniqueId typeTwo;
    StepShower show;
    std::array<const StepDescription*, 2> descriptions;  // of technique, of typeTwo
    // The routine looks at placed values only, never at candidates: having found nothing, it
    // finds nothing again until a value is placed.
    bool readsPlacedValuesOnly = false;

    // The technique a success counts as: type I when the step says so, type II otherwise.
    TechniqueId Counted(const SolveStep& step) const {
        return step.technique == technique ? technique : typeTwo;
    }
    bool Reports(int id) const { return id == technique || id == typeTwo; }
};

// Whether steps of the technique place a value; every other step only removes candidates.
constexpr bool PlacesValue(int technique) {
    return (technique >= SingleInBox && technique <= NakedSingle) || technique == BruteForceGuess;
}

using RoutineOrder = std::array<OrderedRoutine, kRoutineCount>;

// Positions 1..32 of the iterative and progressive drivers.
extern const RoutineOrder kDriverOrder;
// The hint driver's order: the same with the two box line reductions exchanged (column first).
extern const RoutineOrder kHintOrder;
// Position (0-based) of the first routine whose steps the progressive driver does not weigh.
inline constexpr int kFirstUnweightedPosition = 27;

// The routine whose steps count as the technique, or nullptr (ids 0, 29, 30).
const OrderedRoutine* RoutineOf(int technique);
// Fills the display of an applied step from its section; a step of no routine shows nothing.
void ShowStep(const SolveStep& step, StepDisplay& display);
// The description of the technique's steps in the step log, or nullptr.
const StepDescription* DescriptionOf(int technique);
