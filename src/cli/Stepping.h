#pragma once
// The hint driver run step after step from a board's clues, as `steps` and `check` use it.

#include <functional>
#include <vector>

#include "engine/SudokuBoard.h"
#include "techniques/SolveStep.h"
#include "techniques/StepEffects.h"

// Puts the input on the board with only its clues; with withGuess, the exhaustive solver first
// finds the solution the guess technique takes its values from.
void PrepareStepping(SudokuBoard& board, const BoardData& input, bool withGuess);

// Called after each step with its number (from 1) and every change it made; returning false
// stops the stepping.
using StepVisitor =
    std::function<bool(int number, const SolveStep& step, const std::vector<CellEffect>& effects)>;

// Applies hint steps until none applies (or visit says stop); returns the number of steps.
int StepToEnd(SudokuBoard& board, SolveStep& step, const StepVisitor& visit);
