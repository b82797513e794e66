#pragma once
// How the iterative driver turns a step into an entry of the step log, and which technique a step
// of a routine counts as.

#include "engine/SolveStatistics.h"
#include "techniques/SolveStep.h"
#include "techniques/TechniqueOrder.h"

// The technique a success of `routine` counts as: the routine's own, except for the two routines
// that serve two techniques (unique rectangles: the step's technique; single colours: type I when
// the step says so, type II otherwise).
TechniqueId StepTechnique(const OrderedRoutine& routine, const SolveStep& step);

// Writes the values and cells of a step of `technique` into the entry, coordinates 1-based. Values
// the technique does not report keep what the entry held; at most kStepLogCellCapacity cells are
// listed and cellNbr counts the listed ones.
void FillStepLogEntry(TechniqueId technique, const SolveStep& step, StepLogEntry& entry);
