#pragma once
// The heaviest board picture: a 16 x 16 board whose empty cells show all their marks, and a hint
// that frames a cell, draws elimination lines and strikes one candidate in every empty cell.

#include <memory>

#include "engine/SudokuBoard.h"
#include "shell/HintMarks.h"

// Every fourth cell of a valid 16 x 16 grid is a clue; the others are empty with every
// candidate, so each shows sixteen marks.
inline std::unique_ptr<SudokuBoard> MarkedBoard(Platform& platform) {
    auto board = std::make_unique<SudokuBoard>(platform);
    board->Initialise(16, 0, "", "", nullptr, 0, 0);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column) {
            BoardCell& cell = board->Cell(column, row);
            if ((column + row) % 4 == 0)
                cell = {(4 * (row % 4) + row / 4 + column) % 16 + 1, Clue, 0, 0};
            else
                cell = {-1, Empty, fullMask(16), 16};
        }
    return board;
}

// Takes candidate 16 from every empty cell, as the hint's removal.
inline HintMarks StrikeEveryCell(SudokuBoard& board) {
    HintMarks hint;
    hint.frames = {{{1, 1}, kHintFrameColour}};
    hint.eliminationColumns = {0, 2, 3};
    hint.eliminationRows = {0, 2};
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (board.Cell(column, row).IsEmpty()) {
                board.Cell(column, row).candidates &= ~bitOf(16);
                hint.removed[CellIndex(column, row)] = bitOf(16);
            }
    return hint;
}
