// raruduz-cli check: the hint driver's steps from the clues, each compared with the board's
// unique solution, so that a technique that places or removes something false is caught.

#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/StepEffects.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"

namespace {
enum class Verdict { Sound, Unsound, NotUnique };

// Steps through the board as `steps` does. Returns the verdict and its detail text.
Verdict CheckBoard(SudokuBoard& board, SolveStep& step, const BoardData& input, bool withGuess,
                   std::string& detail) {
    board.Initialise(input.size, 0, "", "", &input, 0, 0);
    board.SolveBruteForce(3);
    if (board.solutionNbr != 1) {
        detail = board.solutionNbr == 0 ? "0 solutions" : "2 or more solutions";
        return Verdict::NotUnique;
    }
    const CellGrid solution = board.solution;
    PrepareStepping(board, input, withGuess);
    int number = 0;
    for (;;) {
        const CellGrid before = board.cells;
        if (SolveOneStep(board, step) == 0) break;
        ++number;
        const std::vector<CellEffect> effects = CollectStepEffects(board, before, board.cells);
        for (const CellEffect& effect : effects) {
            CellEffect wrong;
            if (AgreesWithSolution(effect, solution, wrong)) continue;
            const int technique = IsValidTechniqueId(step.technique) ? step.technique : 0;
            detail = "step " + std::to_string(number) + " (" + std::to_string(technique) + " " +
                     kTechniques[technique].name + ") " + EffectText(wrong);
            return Verdict::Unsound;
        }
        if (effects.empty()) break;
    }
    detail = std::to_string(number) + " steps, " + (board.emptyNbr == 0 ? "Solved" : "Stuck");
    return Verdict::Sound;
}
}  // namespace

int RunCheck(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());

    HeadlessPlatform platform = MakeCliPlatform();
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(files, platform, boards)) return kExitUsage;

    auto board = std::make_unique<SudokuBoard>(platform);
    auto step = std::make_unique<SolveStep>();
    bool anyUnsound = false;
    for (const InputBoard& input : boards) {
        std::string detail;
        const Verdict verdict = CheckBoard(*board, *step, input.data, withGuess, detail);
        anyUnsound = anyUnsound || verdict == Verdict::Unsound;
        const char* const verdictName = verdict == Verdict::Sound     ? "OK"
                                        : verdict == Verdict::Unsound ? "UNSOUND"
                                                                      : "NOT-UNIQUE";
        std::cout << input.index << '\t' << verdictName << '\t' << detail << '\n';
    }
    return anyUnsound ? kExitCheckFailed : kExitDone;
}
