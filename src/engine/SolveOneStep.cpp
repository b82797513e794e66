// The hint driver: one step with the first routine that finds its pattern.

#include "engine/HumanLikeSolving.h"
#include "techniques/TechniqueTable.h"

int SolveOneStep(SudokuBoard& board, SolveStep& step) {
    // Between hints the user may have written cells directly.
    board.RebuildMasks();
    for (const OrderedRoutine& routine : kHintOrder)
        if (routine.find(board, step) == 1) {
            board.Recount();
            return 1;
        }
    return 0;
}
