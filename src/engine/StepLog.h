#pragma once
// How the iterative driver turns what a step shows into an entry of the step log.

#include "engine/SolveStatistics.h"
#include "techniques/StepDisplay.h"

// Writes the step's technique, values and listed cells into the entry, coordinates 1-based.
// Values the step does not name keep what the entry held; at most kStepLogCellCapacity cells are
// listed and cellNbr counts the listed ones.
void FillStepLogEntry(const StepDisplay& display, StepLogEntry& entry);
