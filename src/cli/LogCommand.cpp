// raruduz-cli log: the iterative solve of each board, with its technique summary and step log as
// "SolveLog.txt" has them.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/HumanLikeSolving.h"
#include "files/SolveLog.h"

int RunLog(CliArguments& arguments) {
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());

    HeadlessPlatform platform = MakeCliPlatform();
    auto board = std::make_unique<SudokuBoard>(platform);
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        board->Initialise(input.data.size, 0, "", "", &input.data, 0, 0);
        SolveHumanLike(*board, board->statistics);
        std::cout << "# board " << input.index << '\n' << SolveLogSections(*board, "");
    });
    return read ? kExitDone : kExitUsage;
}
