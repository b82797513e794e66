#pragma once
// Helpers shared by the core tests: boards from compact strings, grids back to strings.

#include <memory>
#include <string>
#include <string_view>

#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

// A board read from a string of 81 or 256 symbols in reading order ('.' or '0' empty); the values
// become clues and the candidates are recomputed. Whitespace in the string is ignored.
std::unique_ptr<SudokuBoard> MakeBoard(HeadlessPlatform& platform, std::string_view text);

// The grid's values as a string of N x N symbols in reading order.
inline std::string GridText(const SudokuBoard& board, const CellGrid& grid) {
    return GridText(board.size, grid);
}
inline std::string BoardText(const SudokuBoard& board) {
    return GridText(board, board.cells);
}

// Reads up to maxLines puzzle lines (81 symbols, or 256 for a 16 x 16 board; '#' lines skipped)
// from a puzzle file;
// empty when missing.
std::vector<std::string> ReadPuzzleLines(const std::string& path, std::size_t maxLines);

// A puzzle that singles alone solve, and its solution.
inline constexpr char kClassicPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
inline constexpr char kClassicSolution[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Beyond every technique but the guess.
inline constexpr char kEasterMonster[] =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

// A valid 16 x 16 grid: each row is the one above shifted by a box width, or by one more at the
// start of each band of boxes.
inline int Grid16Value(int x, int y) {
    return (4 * (y % 4) + y / 4 + x) % 16 + 1;
}
inline std::string Grid16() {
    std::string grid;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) grid += kValueSymbols[Grid16Value(x, y)];
    return grid;
}
