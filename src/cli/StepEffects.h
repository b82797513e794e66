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

// Whether the candidates a placement takes out of its peers by itself are listed. The command
// line lists every change; the technique tests look at what the technique decided.
enum class ImpliedRemovals { Listed, Omitted };

// Every changed cell in reading order: placements, and candidates lost by cells still empty.
std::vector<CellEffect> CollectStepEffects(const BoardData& data, const CellGrid& before,
                                           const CellGrid& after, ImpliedRemovals implied);

// "rRcC=S" for a placement, "rRcC-SSS" for removals (symbols ascending); rows and columns 1-based.
std::string EffectText(const CellEffect& effect);
// The effects' texts, separated by one space.
std::string StepEffectsText(const std::vector<CellEffect>& effects);

// Whether an effect agrees with a solution grid: a placement of the solution's value, or removals
// that spare it. When it does not, wrong receives the offending part alone (the placement, or
// the removal of the solution's value).
bool AgreesWithSolution(const CellEffect& effect, const CellGrid& solution, CellEffect& wrong);
