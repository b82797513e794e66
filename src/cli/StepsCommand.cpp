// raruduz-cli steps: the hint driver, step after step, from the clues.

#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/StepEffects.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"

void PrepareStepping(SudokuBoard& board, const BoardData& input, bool withGuess) {
    board.Initialise(input.size, 0, "", "", &input, 0, 0);
    // The guess technique takes its values from a solution found beforehand.
    if (withGuess) board.SolveBruteForce(1);
    board.ClearGivens();
}

int RunSteps(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());

    HeadlessPlatform platform = MakeCliPlatform();
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(files, platform, boards)) return kExitUsage;

    auto board = std::make_unique<SudokuBoard>(platform);
    auto step = std::make_unique<SolveStep>();
    for (const InputBoard& input : boards) {
        PrepareStepping(*board, input.data, withGuess);
        std::cout << "# board " << input.index << '\n';
        for (int number = 1;; ++number) {
            const CellGrid before = board->cells;
            if (SolveOneStep(*board, *step) == 0) break;
            const std::vector<CellEffect> effects =
                CollectStepEffects(*board, before, board->cells);
            const int technique = IsValidTechniqueId(step->technique) ? step->technique : 0;
            std::cout << number << '\t' << technique << '\t' << kTechniques[technique].name << '\t'
                      << StepEffectsText(effects) << '\n';
            // A step that changed nothing would be found again for ever.
            if (effects.empty()) break;
        }
        std::cout << "# end " << (board->emptyNbr == 0 ? "Solved" : "Stuck") << '\t'
                  << BoardLine(*board, board->cells) << '\n';
    }
    return kExitDone;
}
