#pragma once
// The document: the one board the window shows, its undo history and the view state the commands
// read and change. It is the window's only writer of the board.

#include <cstdint>

#include "engine/SudokuBoard.h"
#include "shell/HintMarks.h"
#include "shell/UndoHistory.h"
#include "shell/ViewSettings.h"
#include "techniques/SolveStep.h"

struct ViewState {
    std::int32_t entryMode = SetMode;
    std::int32_t highlighted = 0;  // 0 none, else 1..16
    bool mistakesShown = false;
    bool hintShown = false;
    std::int32_t selectedX = 0;
    std::int32_t selectedY = 0;
};

class CRaruduzDoc {
public:
    explicit CRaruduzDoc(SudokuBoard& board) : board_(board) {}

    SudokuBoard& board() { return board_; }
    const SudokuBoard& board() const { return board_; }
    const UndoHistory& history() const { return history_; }

    // An empty board of the size in set mode, named "Default", selection at the top-left cell.
    // New empties the history; the board-size commands keep it.
    void RecreateBoard(int size, bool keepHistory);
    // After a board was taken from elsewhere (generation, load, import): the board becomes the
    // only state, in solve mode, with fresh statistics and no hint.
    void ResetHistory();
    // The one way a board from a source record (a file, an import, special generation) becomes
    // the document's board: its cells and attributes, mistake checking prepared, candidates
    // recomputed, then the history reset to it.
    void TakeBoard(const BoardData& record);
    void TakeSnapshot();
    // Each clears hint-shown; false when there was nothing to move.
    bool Undo();
    bool Redo();

    ViewState view;
    ViewSettings settings;
    // The last hint's step, read by the hint panel, and the marks the view draws for it.
    SolveStep step;
    HintMarks hint;

private:
    bool Show(const std::string* snapshot);

    SudokuBoard& board_;
    UndoHistory history_;
};
