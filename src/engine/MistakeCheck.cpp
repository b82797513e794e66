// Works out the solution grid against which solve-mode entries are judged, and refreshes the
// board's level and score on the way.

#include "engine/HumanLikeSolving.h"

namespace {
constexpr const char* kNotOptimisedFor16Message =
    "Raruduz 2.2 is not Optimized for 16*16 Boards !!!! \nThe 'Show Mistakes' Feature will be "
    "disabled ...  ";
constexpr const char* kNoSolutionMessage =
    "Raruduz 2.2 is Unable to Find a Solution for the Current Board !!!! \nThe 'Show Mistakes' "
    "Feature will be disabled ...  ";

// Empties every cell that is not a clue, keeping its type as ClearGivens does: entries judged
// mistakes must not steer the search for the solution they are judged against.
void ClearToClues(SudokuBoard& board) {
    for (int x = 0; x < board.size; ++x)
        for (int y = 0; y < board.size; ++y)
            if (board.Cell(x, y).type != Clue) board.Cell(x, y).value = -1;
    board.RecomputeCandidates();
    board.Recount();
}
}  // namespace

int SudokuBoard::PrepareShowMistakes(RunControl* control) {
    SolveStatistics checkStatistics;
    mistakeCheckEnabled = 1;
    CellGrid saved;
    CopyGrid(cells, saved);
    ClearToClues(*this);

    int counted = 0;
    if (size != 9) {
        platform().ShowMessage(kNotOptimisedFor16Message);
        mistakeCheckEnabled = 0;
        // No count this time: a solution proven before may belong to clues edited since.
        uniqueSolutionKnown = 0;
    } else if (SolveBruteForce(CountToFifty, control) != SolutionFound) {
        platform().ShowMessage(kNoSolutionMessage);
        mistakeCheckEnabled = 0;
    } else {
        counted = solutionNbr;
    }

    CopyGrid(saved, cells);
    ClearToClues(*this);
    SolveHumanLikeWithoutLog(*this, checkStatistics);
    // The human-like driver resets the count; the caller reads it to list several solutions.
    solutionNbr = counted;
    LevelFromScore();
    CopyGrid(cells, solution);
    CopyGrid(saved, cells);
    Recount();
    return mistakeCheckEnabled;
}
