// raruduz-cli rate: the rating of each board, as graded generation and the import rate it.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"

int RunRate(CliArguments& arguments) {
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());

    HeadlessPlatform platform = MakeCliPlatform();
    auto board = std::make_unique<SudokuBoard>(platform);
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        board->Initialise(input.data.size, 0, "", "", &input.data, 0, 0);
        const bool solved = board->RateBoard() == 1;
        std::cout << input.index << '\t' << (solved ? "Solved" : "Unsolved") << '\t' << board->score
                  << '\t' << LevelName(board->level) << '\n';
    });
    return read ? kExitDone : kExitUsage;
}
