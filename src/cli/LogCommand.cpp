// raruduz-cli log: the iterative solve of each board, with its technique summary and step log as
// "SolveLog.txt" has them.

#include <ostream>

#include "cli/CliCommands.h"
#include "engine/HumanLikeSolving.h"
#include "files/SolveLog.h"

int RunLog(CliArguments& arguments) {
    return RunOverInputBoardsWithJobs(arguments, [] {
        return [](SudokuBoard& board, const InputBoard& input, std::ostream& out) {
            board.LoadRecord(input.data);
            SolveHumanLike(board, board.statistics);
            out << "# board " << input.index << '\n' << SolveLogSections(board, "");
        };
    });
}
