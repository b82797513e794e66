#include "cli/Stepping.h"

#include <memory>

#include "engine/HumanLikeSolving.h"

void PrepareStepping(SudokuBoard& board, const BoardData& input, bool withGuess) {
    board.LoadRecord(input);
    if (withGuess) board.SolveBruteForce(StopAtFirstSolution);
    board.ClearGivens();
}

int StepToEnd(SudokuBoard& board, SolveStep& step, const StepVisitor& visit) {
    auto display = std::make_unique<StepDisplay>();
    int number = 0;
    for (;;) {
        const CellGrid before = board.cells;
        if (SolveOneStep(board, step) == 0) return number;
        ++number;
        ShowStep(step, *display);
        const std::vector<CellEffect> effects =
            StepEffects(*display, board, before, ImpliedRemovals::Listed);
        // A step that changed nothing would be found again for ever.
        if (!visit(number, step, effects) || effects.empty()) return number;
    }
}
