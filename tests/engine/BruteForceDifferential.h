#pragma once
// Runs the exhaustive solver and its literal reference on twin boards and compares everything a
// caller can observe afterwards.

#include <functional>
#include <string>
#include <string_view>

#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

// Adjusts a freshly made board before the run (retypes cells, hooks the platform to the run's
// control, ...).
using BoardPreparation =
    std::function<void(SudokuBoard& board, HeadlessPlatform& platform, RunControl& control)>;

// Expects every observable of the two boards to be equal: status, counts, flags, the cells, the
// solution grids and the stored solutions (all four fields of every cell).
void ExpectSameOutcome(const SudokuBoard& expected, const SudokuBoard& actual);

// Makes two boards from text (prepare runs on both), solves one with the reference and one with
// SolveBruteForce(mode), each with a control of its own, and expects the same outcome. Returns
// false, comparing nothing, when the reference needs more than nodeBudget recursive steps.
bool ExpectSameAsReference(std::string_view text, BruteForceMode mode, long nodeBudget,
                           const BoardPreparation& prepare = {});

// Solves text with SolveBruteForce(mode) and checks the outcome without the literal reference,
// with the independent counter of GridCounter.h: the count, the stored solutions (valid, in
// strictly increasing order, and the first ones: as many solutions come before the last stored one
// as were stored before it, none before the first), and the board showing the first. For boards
// with a solution whose clues repeat no value. Returns false, checking only what needs no count,
// when a count needs more than nodeBudget nodes.
bool ExpectSoundOutcome(std::string_view text, BruteForceMode mode, long nodeBudget);
