#pragma once
// Read-only board queries shared by the technique routines, and the few cell helpers they all
// use. Units are walked in one fixed order everywhere: a row by ascending column, a column by
// ascending row, a box column-major (all rows of its first column, then the next column).
//
// Callers keep units, columns and rows in 0..size-1 and values in 1..size.

#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "engine/SudokuBoard.h"

enum UnitKind : int { RowUnit = 0, ColumnUnit = 1, BoxUnit = 2 };

// For one board size: the grid index (column * 16 + row) of the i-th cell of every unit.
struct UnitTable {
    std::array<std::array<std::array<std::uint8_t, kMaxSize>, kMaxSize>, 3> cellIndex{};
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

// The grid index of the i-th cell (0 <= i < size) of a unit in its walking order.
inline int UnitCellIndex(const SudokuBoard& board, UnitKind kind, int unit, int i) {
    return UnitTableFor(board.size).cellIndex[kind][unit][i];
}

// All ones for an empty cell, else zero. Masking with it replaces a branch on emptiness, which
// the scans take cell after cell and which is hard to predict.
inline std::uint32_t EmptyMask(const BoardCell& cell) {
    return 0u - static_cast<std::uint32_t>(cell.IsEmpty());
}

// Clears the bits of mask from the cell's candidates, keeping the count right. Returns the bits
// that were actually cleared.
inline std::uint32_t RemoveCandidates(BoardCell& cell, std::uint32_t mask) {
    const std::uint32_t removed = cell.candidates & mask;
    cell.candidates &= ~removed;
    cell.candidateNbr -= BitCount(removed);
    return removed;
}

// Which values occur in the masks fed to Add: at all, at least twice, exactly once.
class CandidateTally {
public:
    void Add(std::uint32_t mask) {
        twice_ |= seen_ & mask;
        seen_ |= mask;
    }
    std::uint32_t Seen() const { return seen_; }
    std::uint32_t SeenTwice() const { return twice_; }
    std::uint32_t ExactlyOnce() const { return seen_ & ~twice_; }

private:
    std::uint32_t seen_ = 0;
    std::uint32_t twice_ = 0;
};

// Where every value can go in every unit, as bit masks over the unit's walking order: bit i of
// Of(kind, unit, v) is set when the i-th cell of the unit is empty and keeps candidate v (with
// bivalueOnly, only cells of exactly two candidates count). One pass over the board replaces the
// per-query unit scans; the masks describe the board as it was built and are rebuilt after any
// change. Lowest bit first is walking order, so the first place found by a scan is the lowest bit.
// A search that reads one kind of unit only asks for that kind (bit 1 << kind of `kinds`).
inline constexpr int kAllUnitKinds = 7;
class UnitPlaces {
public:
    UnitPlaces(const SudokuBoard& board, bool bivalueOnly, int kinds = kAllUnitKinds);

    std::uint32_t Of(UnitKind kind, int unit, int v) const { return places_[kind][unit][v - 1]; }
    // The values placed in the unit.
    std::uint32_t Placed(UnitKind kind, int unit) const { return placed_[kind][unit]; }
    // The places of v when the unit does not hold v yet and has exactly two of them, else 0.
    std::uint32_t TwoPlaces(UnitKind kind, int unit, int v) const {
        if (Placed(kind, unit) & bitOf(v)) return 0;
        const std::uint32_t mask = Of(kind, unit, v);
        return std::popcount(mask) == 2 ? mask : 0;
    }
    // The position of cell (column, row) in the walking order of its box.
    int BoxPosition(int column, int row) const {
        return (column % boxSize_) * boxSize_ + row % boxSize_;
    }
    // Calls link(column, row) for each unit of cell (x, y), its row, its column, then its box, in
    // which v has exactly one place besides the cell: the cell's conjugate (or, over two-candidate
    // cells, the cell it forces) in that unit.
    template <class Link>
    void ForEachLink(const SudokuBoard& board, int x, int y, int v, Link link) const {
        const int box = board.BoxIndex(x, y);
        const std::uint32_t inRow = Of(RowUnit, y, v) & ~(1u << x);
        if (std::has_single_bit(inRow)) link(std::countr_zero(inRow), y);
        const std::uint32_t inColumn = Of(ColumnUnit, x, v) & ~(1u << y);
        if (std::has_single_bit(inColumn)) link(x, std::countr_zero(inColumn));
        const std::uint32_t inBox = Of(BoxUnit, box, v) & ~(1u << BoxPosition(x, y));
        if (std::has_single_bit(inBox)) {
            const int index = UnitCellIndex(board, BoxUnit, box, std::countr_zero(inBox));
            link(ColumnOfIndex(index), RowOfIndex(index));
        }
    }

private:
    int boxSize_;
    std::array<std::array<std::array<std::uint16_t, kMaxSize>, kMaxSize>, 3> places_{};
    std::array<std::array<std::uint32_t, kMaxSize>, 3> placed_{};
};

// The position of the lowest set bit, and of the second lowest (the mask has at least two).
inline int FirstPlace(std::uint32_t mask) {
    return std::countr_zero(mask);
}
inline int SecondPlace(std::uint32_t mask) {
    return std::countr_zero(mask & (mask - 1));
}

// Places the value in the empty cell as a solver does: value, type Given, then propagation.
void PlaceValue(SudokuBoard& board, int column, int row, int v);
