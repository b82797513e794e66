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
}  // namespace

int SudokuBoard::PrepareShowMistakes() {
    SolveStatistics checkStatistics;
    mistakeCheckEnabled = 1;
    CellGrid saved;
    CopyGrid(cells, saved);
    ClearGivens();

    bool uniqueSolutionKnown = false;
    if (size != 9) {
        platform().ShowMessage(kNotOptimisedFor16Message);
        mistakeCheckEnabled = 0;
    } else if (SolveBruteForce(2) != SolutionFound) {
        platform().ShowMessage(kNoSolutionMessage);
        mistakeCheckEnabled = 0;
    } else if (solutionNbr > 1) {
        platform().ShowMultipleSolutions(*this);
    } else {
        uniqueSolutionKnown = true;
    }

    CopyGrid(saved, cells);
    SolveHumanLike(*this, checkStatistics);
    LevelFromScore();
    CopyGrid(cells, solution);
    // Where the techniques stopped short, an empty cell of the grid would judge every value typed
    // there a mistake; the one solution the exhaustive solver found knows the right one.
    if (uniqueSolutionKnown)
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y) {
                BoardCell& cell = solution[CellIndex(x, y)];
                if (cell.IsEmpty()) cell.value = firstSolution[CellIndex(x, y)].value;
            }
    CopyGrid(saved, cells);
    Recount();
    return mistakeCheckEnabled;
}
