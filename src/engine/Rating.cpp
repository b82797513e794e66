// The difficulty level from the score, and the rating of a board by an iterative solve.

#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"

void SudokuBoard::LevelFromScore() {
    level = LevelForScore(score);
}

int SudokuBoard::RateBoard() {
    const bool solved = SolveHumanLikeWithoutLog(*this, ratingStatistics_) == SolutionFound;
    if (solved) {
        LevelFromScore();
        CopyGrid(cells, solution);
        mistakeCheckEnabled = 1;
    }
    ClearGivens();
    return solved ? 1 : 0;
}
