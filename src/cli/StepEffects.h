#pragma once
// What one solving step did to the board, found by comparing the cells before and after it:
// values placed and candidates removed, cell by cell in reading order.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"

struct CellEffect {
    int column = 0;
    int row = 0;
    int placedValue = -1;       // the value placed in the cell, or -1
    std::uint32_t removed = 0;  // candidates the cell lost (an empty cell only)
};

// Every changed cell in reading order. A placement takes its value out of its peers by itself;
// those implied removals are not listed, so a single shows as its placement alone.
std::vector<CellEffect> CollectStepEffects(const BoardData& data, const CellGrid& before,
                                           const CellGrid& after);

// "rRcC=S" for a placement, "rRcC-SSS" for removals (symbols ascending); rows and columns 1-based.
std::string EffectText(const CellEffect& effect);
// The effects' texts, separated by one space.
std::string StepEffectsText(const std::vector<CellEffect>& effects);

// Whether an effect agrees with a solution grid: a placement of the solution's value, or removals
// that spare it. When it does not, wrong receives the offending part alone (the placement, or
// the removal of the solution's value).
bool AgreesWithSolution(const CellEffect& effect, const CellGrid& solution, CellEffect& wrong);
