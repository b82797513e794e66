#pragma once
// One state of the board for the undo history, in the archive encoding of the puzzle data file:
// name, description, level, size, box size and the three counts, then the four fields of all 256
// cell slots in storage order. The score and the solution are not part of it.

#include <string>
#include <string_view>

class SudokuBoard;

std::string TakeBoardSnapshot(const SudokuBoard& board);
// False, with the board untouched, when the bytes are not a whole snapshot of a 9 x 9 or
// 16 x 16 board.
bool RestoreBoardSnapshot(SudokuBoard& board, std::string_view snapshot);
