// raruduz-cli check: the hint driver's steps from the clues, each compared with the board's
// unique solution, so that a technique that places or removes something false is caught.

#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/Stepping.h"
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
    // The unique solution is the one the guess would take: only the clues need to come back.
    if (withGuess)
        board.ClearGivens();
    else
        PrepareStepping(board, input, false);
    Verdict verdict = Verdict::Sound;
    const int stepNbr = StepToEnd(
        board, step,
        [&](int number, const SolveStep& done, const std::vector<CellEffect>& effects) {
            for (const CellEffect& effect : effects) {
                CellEffect wrong;
                if (AgreesWithSolution(effect, solution, wrong)) continue;
                const int technique = IsValidTechniqueId(done.technique) ? done.technique : 0;
                detail = "step " + std::to_string(number) + " (" + std::to_string(technique) + " " +
                         kTechniques[technique].name + ") " + EffectText(wrong);
                verdict = Verdict::Unsound;
                return false;
            }
            return true;
        });
    if (verdict == Verdict::Unsound) return verdict;
    detail = std::to_string(stepNbr) + " steps, " + (board.emptyNbr == 0 ? "Solved" : "Stuck");
    return Verdict::Sound;
}
}  // namespace

int RunCheck(CliArguments& arguments) {
    const bool withGuess = arguments.TakeFlag("--with-guess");
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());

    HeadlessPlatform platform = MakeCliPlatform();
    auto board = std::make_unique<SudokuBoard>(platform);
    auto step = std::make_unique<SolveStep>();
    bool anyUnsound = false;
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        std::string detail;
        const Verdict verdict = CheckBoard(*board, *step, input.data, withGuess, detail);
        anyUnsound = anyUnsound || verdict == Verdict::Unsound;
        const char* const verdictName = verdict == Verdict::Sound     ? "OK"
                                        : verdict == Verdict::Unsound ? "UNSOUND"
                                                                      : "NOT-UNIQUE";
        std::cout << input.index << '\t' << verdictName << '\t' << detail << '\n';
    });
    if (!read) return kExitUsage;
    return anyUnsound ? kExitCheckFailed : kExitDone;
}
