#include "cli/Stepping.h"

#include "engine/HumanLikeSolving.h"

void PrepareStepping(SudokuBoard& board, const BoardData& input, bool withGuess) {
    board.LoadRecord(input);
    if (withGuess) board.SolveBruteForce(StopAtFirstSolution);
    board.ClearGivens();
}

int StepToEnd(SudokuBoard& board, SolveStep& step, const StepVisitor& visit) {
    int number = 0;
    for (;;) {
        const CellGrid before = board.cells;
        if (SolveOneStep(board, step) == 0) return number;
        ++number;
        const std::vector<CellEffect> effects =
            CollectStepEffects(board, before, board.cells, ImpliedRemovals::Listed);
        // A step that changed nothing would be found again for ever.
        if (!visit(number, step, effects) || effects.empty()) return number;
    }
}
