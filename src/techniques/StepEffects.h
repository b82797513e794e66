#pragma once
// What one solving step did to the board, cell by cell in reading order: values placed and
// candidates removed, read from what the step shows.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"
#include "techniques/StepDisplay.h"

struct CellEffect {
    int column = 0;
    int row = 0;
    int placedValue = -1;       // the value placed in the cell, or -1
    std::uint32_t removed = 0;  // candidates the cell lost (an empty cell only)
};

// Whether the value a placement clears from the placed cell's peers is listed. The command line
// lists every change; the technique tests look at the placement alone.
enum class ImpliedRemovals { Listed, Omitted };

// Every changed cell in reading order: the placement, and the candidates lost by cells still
// empty. `before` is the board before the step; only listing the implied removals reads it.
std::vector<CellEffect> StepEffects(const StepDisplay& display, const BoardData& data,
                                    const CellGrid& before, ImpliedRemovals implied);

// "rRcC=S" for a placement, "rRcC-SSS" for removals (symbols ascending); rows and columns 1-based.
std::string EffectText(const CellEffect& effect);
// The effects' texts, separated by one space.
std::string StepEffectsText(const std::vector<CellEffect>& effects);

// Whether an effect agrees with a solution grid: a placement of the solution's value, or removals
// that spare it. When it does not, wrong receives the offending part alone (the placement, or
// the removal of the solution's value).
bool AgreesWithSolution(const CellEffect& effect, const CellGrid& solution, CellEffect& wrong);
