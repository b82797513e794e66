#pragma once
// A 16 x 16 candidate state whose first step is a forced chain that settles more cells than the
// Hint Data page lists. Every cell is open (all candidates) except a clue in the last corner and
// two-candidate cells: a start cell {1,2} whose two values both force P {1,3} to 3, one through
// their row and one the long way round, through {2,5}, {5,7} and {7,1} (a shorter way would make
// a Y-wing); from P hangs a path of cells, each holding the value the previous one forces out and
// a new one, which both branches then follow alike. The open cells keep every earlier technique
// quiet.

#include <array>
#include <utility>
#include <vector>

#include "engine/SudokuBoard.h"

// The cells of the path after P, in the order the chain meets them.
inline std::vector<std::pair<int, int>> LongChainPath() {
    std::vector<std::pair<int, int>> path;
    int column = 4;
    for (int row = 1; row < 15; ++row)
        for (int step = 0; step < 3; ++step) {
            if (step > 0) column = column == 15 ? 6 : column + 1;
            path.emplace_back(column, row);
        }
    return path;
}

// The values the path cycles through; 1, 2, 5 and 7 belong to the start of the chain.
inline constexpr std::array<int, 12> kLongChainValues = {3, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16};

inline void SetPair(SudokuBoard& board, int x, int y, int a, int b) {
    board.Cell(x, y).candidates = bitOf(a) | bitOf(b);
    board.Cell(x, y).candidateNbr = 2;
}

// On an empty 16 x 16 board in solve mode whose only value is a clue at (15, 15).
inline void ShapeLongForcedChain(SudokuBoard& board) {
    SetPair(board, 0, 0, 1, 2);  // the start
    SetPair(board, 4, 0, 1, 3);  // P
    SetPair(board, 0, 4, 2, 5);
    SetPair(board, 1, 4, 5, 7);
    SetPair(board, 4, 4, 7, 1);
    const int cycle = static_cast<int>(kLongChainValues.size());
    int index = 0;
    for (const auto& [column, row] : LongChainPath()) {
        SetPair(board, column, row, kLongChainValues[index % cycle],
                kLongChainValues[(index + 1) % cycle]);
        ++index;
    }
    board.Recount();
}
