// raruduz-cli steps: the hint driver, step after step, from the clues.

#include <memory>
#include <ostream>

#include "cli/CliCommands.h"
#include "cli/Stepping.h"
#include "engine/SudokuBoard.h"

int RunSteps(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    return RunOverInputBoardsWithJobs(arguments, [withGuess] {
        return [withGuess, step = std::make_shared<SolveStep>()](
                   SudokuBoard& board, const InputBoard& input, std::ostream& out) {
            PrepareStepping(board, input.data, withGuess);
            out << "# board " << input.index << '\n';
            StepToEnd(board, *step, [&out](int number, const SolveStep& done, const auto& effects) {
                const int technique = IsValidTechniqueId(done.technique) ? done.technique : 0;
                out << number << '\t' << technique << '\t' << kTechniques[technique].name << '\t'
                    << StepEffectsText(effects) << '\n';
                return true;
            });
            out << "# end " << (board.emptyNbr == 0 ? "Solved" : "Stuck") << '\t'
                << BoardLine(board, board.cells) << '\n';
        };
    });
}
