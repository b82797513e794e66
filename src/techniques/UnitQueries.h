#pragma once
// Read-only board queries shared by the technique routines. The places of values in units are
// the board's own masks (SudokuBoard::Masks()); a search that writes goes through the board's
// writers, which keep them true.
//
// Callers keep units, columns and rows in 0..size-1 and values in 1..size.

#include <bit>
#include <cstdint>

#include "engine/SudokuBoard.h"
#include "engine/UnitGeometry.h"

// The grid index of the i-th cell (0 <= i < size) of a unit in its walking order.
inline int UnitCellIndex(const SudokuBoard& board, UnitKind kind, int unit, int i) {
    return UnitTableFor(board.size).cellIndex[kind][unit][i];
}

// All ones for an empty cell, else zero. Masking with it replaces a branch on emptiness, which
// the scans take cell after cell and which is hard to predict.
inline std::uint32_t EmptyMask(const BoardCell& cell) {
    return 0u - static_cast<std::uint32_t>(cell.IsEmpty());
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

// The position of the lowest set bit, and of the second lowest (the mask has at least two).
inline int FirstPlace(std::uint32_t mask) {
    return std::countr_zero(mask);
}
inline int SecondPlace(std::uint32_t mask) {
    return std::countr_zero(mask & (mask - 1));
}
