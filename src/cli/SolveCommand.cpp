// raruduz-cli solve and solutions.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"

namespace {
// --limit 1, 2 or 50 selects the exhaustive solver's modes 1, 3 and 2.
int SolveModeForLimit(int limit) {
    return limit == 1 ? 1 : limit == 2 ? 3 : 2;
}

bool ReadLimit(CliArguments& arguments, int& limit) {
    limit = arguments.TakeInteger("--limit", 1, 50, 50);
    if (!arguments.error().empty()) return false;
    if (limit != 1 && limit != 2 && limit != 50) {
        UsageError("option --limit takes 1, 2 or 50");
        return false;
    }
    return true;
}

using HumanLikeDriver = int (*)(SudokuBoard& board, SolveStatistics& statistics);

HumanLikeDriver DriverForMethod(const std::string& method) {
    if (method == "human") return SolveHumanLike;
    if (method == "progressive") return SolveProgressive;
    return nullptr;
}
}  // namespace

int RunSolve(CliArguments& arguments) {
    const std::string method = arguments.TakeValue("--method").value_or("brute");
    const bool withGuess = arguments.TakeFlag("--with-guess");
    int limit = 50;
    const bool limitGiven = ReadLimit(arguments, limit);
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (!limitGiven) return kExitUsage;
    const HumanLikeDriver driver = DriverForMethod(method);
    if (method != "brute" && !driver) return UsageError("unknown method '" + method + "'");

    HeadlessPlatform platform = MakeCliPlatform();
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(files, platform, boards)) return kExitUsage;

    auto board = std::make_unique<SudokuBoard>(platform);
    for (const InputBoard& input : boards) {
        if (!driver) {
            board->Initialise(input.data.size, 0, "", "", &input.data, 0, 0);
            const SolveStatus status = board->SolveBruteForce(SolveModeForLimit(limit));
            std::cout << input.index << '\t' << kSolveStatusNames[status] << '\t'
                      << board->solutionNbr << "\t-\t-\t" << BoardLine(*board, board->cells)
                      << '\n';
            continue;
        }
        PrepareStepping(*board, input.data, withGuess);
        const bool solved = driver(*board, board->statistics) == SolutionFound;
        std::cout << input.index << '\t' << (solved ? "Solved" : "NoSolutionFound") << "\t-\t"
                  << board->score << '\t' << LevelName(LevelForScore(board->score)) << '\t'
                  << BoardLine(*board, board->cells) << '\n';
    }
    return kExitDone;
}

int RunSolutions(CliArguments& arguments) {
    int limit = 50;
    const bool limitGiven = ReadLimit(arguments, limit);
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (!limitGiven) return kExitUsage;

    HeadlessPlatform platform = MakeCliPlatform();
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(files, platform, boards)) return kExitUsage;

    auto board = std::make_unique<SudokuBoard>(platform);
    for (const InputBoard& input : boards) {
        board->Initialise(input.data.size, 0, "", "", &input.data, 0, 0);
        board->SolveBruteForce(SolveModeForLimit(limit));
        const int stored = std::min(board->solutionNbr, kStoredSolutionCapacity);
        for (int k = 0; k < stored; ++k)
            std::cout << input.index << '\t' << k + 1 << '\t'
                      << BoardLine(*board, board->solutions[k]) << '\n';
    }
    return kExitDone;
}
