// raruduz-cli steps: the hint driver, step after step, from the clues.

#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/Stepping.h"
#include "engine/SudokuBoard.h"

int RunSteps(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    auto step = std::make_unique<SolveStep>();
    return RunOverInputBoards(arguments, [&](SudokuBoard& board, const InputBoard& input) {
        PrepareStepping(board, input.data, withGuess);
        std::cout << "# board " << input.index << '\n';
        StepToEnd(board, *step, [](int number, const SolveStep& done, const auto& effects) {
            const int technique = IsValidTechniqueId(done.technique) ? done.technique : 0;
            std::cout << number << '\t' << technique << '\t' << kTechniques[technique].name << '\t'
                      << StepEffectsText(effects) << '\n';
            return true;
        });
        std::cout << "# end " << (board.emptyNbr == 0 ? "Solved" : "Stuck") << '\t'
                  << BoardLine(board, board.cells) << '\n';
    });
}
