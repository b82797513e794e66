// raruduz-cli rate: the rating of each board, as graded generation and the import rate it.

#include <iostream>

#include "cli/CliCommands.h"
#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"

int RunRate(CliArguments& arguments) {
    return RunOverInputBoards(arguments, [](SudokuBoard& board, const InputBoard& input) {
        board.LoadRecord(input.data);
        const bool solved = board.RateBoard() == 1;
        std::cout << input.index << '\t' << (solved ? "Solved" : "Unsolved") << '\t' << board.score
                  << '\t' << LevelName(board.level) << '\n';
    });
}
