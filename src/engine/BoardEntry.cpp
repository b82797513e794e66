// SetValue: the one entry point through which the view places a value.

#include <cstdio>

#include "engine/SudokuBoard.h"
#include "engine/WordokuLetters.h"

namespace {
// The value an entry is judged against: the solution grid's, or, where the techniques left that
// grid empty, the proven unique solution's.
int ExpectedValue(const SudokuBoard& board, int x, int y) {
    const int written = board.solution[CellIndex(x, y)].value;
    if (written == -1 && board.uniqueSolutionKnown)
        return board.uniqueSolution[CellIndex(x, y)].value;
    return written;
}
}  // namespace

int SudokuBoard::SetValue(int mode, int x, int y, int v) {
    if (x < 0 || x >= size || y < 0 || y >= size) return 0;
    BoardCell& cell = Cell(x, y);
    int result = 1;

    const auto emptyCell = [&] {
        const int old = cell.value;
        if (old != -1) {
            cell.value = -1;
            cell.type = Empty;
            RestoreCandidate(x, y, old);
        }
    };

    if (mode == SetMode) {
        if (v < 1 || v > size || !(cell.candidates & bitOf(v))) {
            platform_->ShowMessage("Setting Board Error: Invalid Entry !!!");
            result = 0;
        } else {
            emptyCell();
            cell.value = v;
            cell.type = Clue;
        }
    } else if (mode == SolveMode) {
        const int w = isWordoku ? WordokuLetterValue(*this, v) : v;
        if (w < 1 || w > size) {
            platform_->ShowMessage("Invalid Entry !!!");
            return 0;
        }
        if (cell.type == Clue) {
            platform_->ShowMessage(
                "Solving Board Error: Unauthorized Entry ... Current Square Contains a Clue !!!");
            return 0;
        }
        if (!(cell.candidates & bitOf(w))) {
            char text[128];
            std::snprintf(text, sizeof text,
                          "Solving Board Error: Invalid Entry ... Given %d is not known as a "
                          "Valid Candidate !!!",
                          w);
            platform_->ShowMessage(text);
            result = 0;
        } else {
            emptyCell();
            cell.value = w;
            const bool judged = mistakeCheckEnabled || solutionKnown;
            cell.type = !judged || ExpectedValue(*this, x, y) == w ? Given : Mistake;
        }
    }
    PlaceAndPropagate(x, y);
    Recount();
    return result;
}
