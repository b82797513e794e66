#pragma once
// The human-like solve drivers: they try the technique routines in their fixed order, simplest
// first, one step at a time.

#include "engine/SolveStatistics.h"
#include "engine/SudokuBoard.h"
#include "techniques/SolveStep.h"
#include "techniques/TechniqueTable.h"

// The iterative driver: from the clues, one step, then back to the first routine; every step is
// counted, weighted and logged. SolutionFound when the board ends full, NoSolutionFound otherwise.
SolveStatus SolveHumanLike(SudokuBoard& board, SolveStatistics& statistics);
// The same solve, counted and scored alike, without the step log: for callers that read the
// counts and the score only.
SolveStatus SolveHumanLikeWithoutLog(SudokuBoard& board, SolveStatistics& statistics);
// The progressive driver: a routine that succeeded is repeated until it finds nothing more.
SolveStatus SolveProgressive(SudokuBoard& board, SolveStatistics& statistics);
// One step on the board as it stands (the hint). 1 when a routine applied a step.
int SolveOneStep(SudokuBoard& board, SolveStep& step);

// The two drivers over another routine table of the same shape, so that their bookkeeping can be
// checked with scripted routines. The forms above use kDriverOrder.
SolveStatus SolveHumanLike(SudokuBoard& board, SolveStatistics& statistics,
                           const RoutineOrder& order);
SolveStatus SolveProgressive(SudokuBoard& board, SolveStatistics& statistics,
                             const RoutineOrder& order);
