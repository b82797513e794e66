#pragma once
// The trigger scan of the subset techniques: cells are visited in a fixed board order, and each
// trigger cell is tested together with one unit that holds it.

#include "techniques/UnitQueries.h"

struct TriggerScan {
    UnitKind walk;     // triggers are visited unit by unit of this kind, each in walking order
    UnitKind test;     // the unit of the trigger that is tested
    bool boxRowMajor;  // walk boxes row by row instead of column-major
};

// The scan that visits units of one kind in their own order and tests the trigger's unit.
constexpr TriggerScan SameUnitScan(UnitKind kind) {
    return {kind, kind, false};
}

inline int UnitOfCell(const SudokuBoard& board, UnitKind kind, int index) {
    const int column = ColumnOfIndex(index), row = RowOfIndex(index);
    return kind == RowUnit ? row : kind == ColumnUnit ? column : board.BoxIndex(column, row);
}

// Calls tryTrigger(index, unit) for every empty cell with a candidate count accepted by
// isTrigger, in scan order, until it returns true. Returns 1 when it did. Only the walked units
// set in walkUnits are visited.
template <class IsTrigger, class TryTrigger>
int ScanTriggers(const SudokuBoard& board, TriggerScan scan, std::uint32_t walkUnits,
                 IsTrigger isTrigger, TryTrigger tryTrigger) {
    const int n = board.boxSize;
    for (int walked = 0; walked < board.size; ++walked) {
        if (!((walkUnits >> walked) & 1u)) continue;
        for (int i = 0; i < board.size; ++i) {
            int index = UnitCellIndex(board, scan.walk, walked, i);
            if (scan.walk == BoxUnit && scan.boxRowMajor)
                index = CellIndex(board.boxColumnStart[walked] + i % n,
                                  board.boxRowStart[walked] + i / n);
            const BoardCell& cell = board.cells[index];
            // One branch on both tests: triggers are few, emptiness is hard to predict. As
            // integers, so that the branch-free & does not read as a mistaken &&.
            const int empty = cell.IsEmpty(), trigger = isTrigger(cell.candidateNbr);
            if (!(empty & trigger)) continue;
            if (tryTrigger(index, UnitOfCell(board, scan.test, index))) return 1;
        }
    }
    return 0;
}
