#pragma once
// The order in which the solve drivers try the routines: simplest first.

#include <array>

#include "techniques/TechniqueRoutines.h"

inline constexpr int kRoutineCount = 32;

struct OrderedRoutine {
    TechniqueRoutine find;
    TechniqueId technique;  // the routine's (first) technique
};

// Positions 1..32 of the iterative and progressive drivers.
extern const std::array<OrderedRoutine, kRoutineCount> kDriverOrder;
// The hint driver's order: the same with the two box line reductions exchanged (column first).
extern const std::array<OrderedRoutine, kRoutineCount> kHintOrder;
// Position (0-based) of the unique-rectangle routine, whose repeats the progressive driver
// treats specially, and of the first routine whose steps it does not weigh.
inline constexpr int kUniqueRectanglePosition = 26;
inline constexpr int kFirstUnweightedPosition = 27;
