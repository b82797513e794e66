#pragma once
// Stand-in routines whose successes a test scripts per position, so that the drivers' bookkeeping
// can be checked without real techniques.

#include <array>
#include <deque>
#include <vector>

#include "engine/HumanLikeSolving.h"

struct ScriptedStep {
    int technique = 0;     // written to the step's `technique`
    int removalCount = 0;  // removals listed in the X-Wings and single-colours sections
};

struct RoutineScript {
    // Per position: how many empty cells it still fills (one per call, column-major), then the
    // steps it reports without changing the board.
    std::array<int, kRoutineCount> placements{};
    std::array<std::deque<ScriptedStep>, kRoutineCount> steps{};
    // Every call, by position.
    std::vector<int> calls;
};

// The script the routines of ScriptedOrder() follow; reset it before each use.
RoutineScript& Script();
// kDriverOrder with each position's routine replaced by its scripted one.
const RoutineOrder& ScriptedOrder();
