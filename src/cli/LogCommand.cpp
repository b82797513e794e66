// raruduz-cli log: the iterative solve of each board, with its technique summary and step log as
// "SolveLog.txt" has them.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/HumanLikeSolving.h"
#include "files/SolveLog.h"

int RunLog(CliArguments& arguments) {
    return RunOverInputBoards(arguments, [](SudokuBoard& board, const InputBoard& input) {
        board.LoadRecord(input.data);
        SolveHumanLike(board, board.statistics);
        std::cout << "# board " << input.index << '\n' << SolveLogSections(board, "");
    });
}
