#pragma once
// The units of a board and the peers of a cell, as tables of grid indexes per board size. Units
// are walked in one fixed order everywhere: a row by ascending column, a column by ascending row,
// a box column-major (all rows of its first column, then the next column).

#include <array>
#include <cstdint>
#include <span>

#include "engine/BoardTypes.h"

enum UnitKind : int { RowUnit = 0, ColumnUnit = 1, BoxUnit = 2 };

// For one board size: the grid index (column * 16 + row) of the i-th cell of every unit, and by
// grid index the box of a cell and its position in the box's walking order (looked up rather
// than divided by a box size known only at run time).
struct UnitTable {
    std::array<std::array<std::array<std::uint8_t, kMaxSize>, kMaxSize>, 3> cellIndex{};
    std::array<std::uint8_t, kGridCells> box{};
    std::array<std::uint8_t, kGridCells> boxPosition{};
};
extern const UnitTable kUnitTable9;
extern const UnitTable kUnitTable16;
// The table of a board of size 9 or 16.
inline const UnitTable& UnitTableFor(int size) {
    return size == 16 ? kUnitTable16 : kUnitTable9;
}

// For one board size: the grid indexes of every cell's peers (the other cells of its column, of
// its row and of its box), in the order column by row, row by column, then the rest of the box
// row by row.
inline constexpr int kPeerCapacity = 3 * kMaxSize - 9;
struct PeerTable {
    int peerNbr = 0;
    std::array<std::array<std::uint8_t, kPeerCapacity>, kGridCells> peers{};
};
extern const PeerTable kPeerTable9;
extern const PeerTable kPeerTable16;
inline std::span<const std::uint8_t> PeersOf(int size, int index) {
    const PeerTable& table = size == 16 ? kPeerTable16 : kPeerTable9;
    return {table.peers[index].data(), static_cast<std::size_t>(table.peerNbr)};
}

constexpr int ColumnOfIndex(int index) {
    return index / kGridSide;
}
constexpr int RowOfIndex(int index) {
    return index % kGridSide;
}
