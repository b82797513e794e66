// raruduz-cli rate: the rating of each board, as graded generation and the import rate it.

#include <ostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"

int RunRate(CliArguments& arguments) {
    return RunOverInputBoardsWithJobs(arguments, [] {
        return [](SudokuBoard& board, const InputBoard& input, std::ostream& out) {
            board.LoadRecord(input.data);
            const bool solved = board.RateBoard() == 1;
            out << input.index << '\t' << (solved ? "Solved" : "Unsolved") << '\t' << board.score
                << '\t' << LevelName(board.level) << '\n';
        };
    });
}
