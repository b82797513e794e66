// raruduz-cli solve and solutions.

#include <algorithm>
#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "cli/Stepping.h"
#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"

namespace {
BruteForceMode SolveModeForLimit(int limit) {
    return limit == 1 ? StopAtFirstSolution : limit == 2 ? StopAtSecondSolution : CountToFifty;
}

// --limit takes exactly 1, 2 or 50; fallback when it is absent. False after reporting a bad value.
bool ReadLimit(CliArguments& arguments, int fallback, int& limit) {
    limit = fallback;
    const std::optional<std::string> text = arguments.TakeValue("--limit");
    if (!text) return true;  // absent, or without a value, which error() reports
    for (int allowed : {1, 2, 50})
        if (*text == std::to_string(allowed)) {
            limit = allowed;
            return true;
        }
    UsageError("option --limit takes 1, 2 or 50, not '" + *text + "'");
    return false;
}

using HumanLikeDriver = SolveStatus (*)(SudokuBoard& board, SolveStatistics& statistics);

HumanLikeDriver DriverForMethod(const std::string& method) {
    if (method == "human") return SolveHumanLike;
    if (method == "progressive") return SolveProgressive;
    return nullptr;
}
}  // namespace

int RunSolve(CliArguments& arguments) {
    const std::string method = arguments.TakeValue("--method").value_or("brute");
    const bool withGuess = arguments.TakeFlag("--with-guess");
    int limit = 2;
    if (!ReadLimit(arguments, 2, limit)) return kExitUsage;
    const HumanLikeDriver driver = DriverForMethod(method);
    if (method != "brute" && !driver) return UsageError("unknown method '" + method + "'");

    if (!driver)
        return RunOverInputBoardsWithJobs(
            arguments,
            [limit] {
                return [limit](SudokuBoard& board, const InputBoard& input, std::ostream& out) {
                    board.LoadRecord(input.data);
                    const SolveStatus status =
                        board.SolveBruteForce(SolveModeForLimit(limit), &FreshSolveControl());
                    out << input.index << '\t' << kSolveStatusNames[status] << '\t'
                        << board.solutionNbr << "\t-\t-\t" << BoardLine(board, board.cells) << '\n';
                };
            },
            CtrlC::StopsSolve);
    return RunOverInputBoardsWithJobs(arguments, [driver, withGuess] {
        return [driver, withGuess](SudokuBoard& board, const InputBoard& input, std::ostream& out) {
            PrepareStepping(board, input.data, withGuess);
            const bool solved = driver(board, board.statistics) == SolutionFound;
            out << input.index << '\t' << (solved ? "Solved" : "NoSolutionFound") << "\t-\t"
                << board.score << '\t' << LevelName(LevelForScore(board.score)) << '\t'
                << BoardLine(board, board.cells) << '\n';
        };
    });
}

int RunSolutions(CliArguments& arguments) {
    int limit = 50;
    if (!ReadLimit(arguments, 50, limit)) return kExitUsage;
    return RunOverInputBoards(
        arguments,
        [limit](SudokuBoard& board, const InputBoard& input) {
            board.LoadRecord(input.data);
            board.SolveBruteForce(SolveModeForLimit(limit), &FreshSolveControl());
            const int stored = std::min(board.solutionNbr, kStoredSolutionCapacity);
            for (int k = 0; k < stored; ++k)
                std::cout << input.index << '\t' << k + 1 << '\t'
                          << BoardLine(board, board.solutions[k]) << '\n';
        },
        CtrlC::StopsSolve);
}
