#pragma once
// The exhaustive solver written out literally, step for step as the board's behaviour is defined:
// naked-single passes on the board, depth-first guessing in reading order with a full grid saved
// per level, the message pump at every recursive step. Slow, but it is the oracle the fast
// solver is compared with.

#include "engine/SudokuBoard.h"

struct ReferenceRun {
    SolveStatus status = SolutionFound;
    // False when the node budget ran out; the board's state is then of no use.
    bool finished = true;
    long nodeNbr = 0;
};

// Does to the board what SudokuBoard::SolveBruteForce(mode, control) must do. nodeBudget bounds
// the number of recursive steps, so that tests can skip boards on which the literal search is too
// slow.
ReferenceRun SolveBruteForceReference(SudokuBoard& board, BruteForceMode mode, long nodeBudget,
                                      const RunControl* control = nullptr);
