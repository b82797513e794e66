// Singles (placed values only), hidden singles (candidates within one unit) and the naked single.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
// The values already placed in each row, column and box.
struct PlacedValues {
    std::uint32_t inRow[kMaxSize] = {};
    std::uint32_t inColumn[kMaxSize] = {};
    std::uint32_t inBox[kMaxSize] = {};

    explicit PlacedValues(const SudokuBoard& board) {
        for (int box = 0; box < board.size; ++box)
            for (int i = 0; i < board.size; ++i) {
                const int index = UnitCellIndex(board, BoxUnit, box, i);
                const std::uint32_t bit = bitOf(board.cells[index].value);
                inRow[RowOfIndex(index)] |= bit;
                inColumn[ColumnOfIndex(index)] |= bit;
                inBox[box] |= bit;
            }
    }
};

void RecordPlacement(SudokuBoard& board, SolveStep& step, TechniqueId technique, UnitKind kind,
                     int unit, int index, int v) {
    const int column = ColumnOfIndex(index), row = RowOfIndex(index);
    PlaceValue(board, column, row, v);
    step.value = v;
    step.column = column;
    step.row = row;
    if (kind == BoxUnit) {
        step.unitBox = unit;
        board.BoxOrigin(unit, step.unitFirstColumn, step.unitFirstRow);
    }
    step.technique = technique;
}

// The first unit, then the smallest value, that exactly one cell of the unit can take; placesOf
// gives the values a cell can take (nothing for a filled cell), excluded those the unit rules out.
template <class PlacesOf>
int FindUnitSingle(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique,
                   const std::uint32_t* excluded, PlacesOf placesOf) {
    for (int unit = 0; unit < board.size; ++unit) {
        CandidateTally tracker;
        for (int i = 0; i < board.size; ++i)
            tracker.Add(placesOf(UnitCellIndex(board, kind, unit, i)));
        std::uint32_t singles = tracker.ExactlyOnce();
        if (excluded) singles &= ~excluded[unit];
        if (singles == 0) continue;
        const std::uint32_t bit = singles & (~singles + 1);
        for (int i = 0; i < board.size; ++i) {
            const int index = UnitCellIndex(board, kind, unit, i);
            if (placesOf(index) & bit) {
                RecordPlacement(board, step, technique, kind, unit, index, valueOfBit(bit));
                return 1;
            }
        }
    }
    return 0;
}

// A value missing from a unit that only one empty cell of the unit can take, judged by the
// values placed in the lines crossing it: the column for a row, the row for a column, both for
// a box. Candidates are not consulted, so eliminations made by techniques do not count here.
int FindSingle(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique) {
    const PlacedValues placed(board);
    const std::uint32_t full = fullMask(board.size);
    const std::uint32_t* inUnit = kind == RowUnit      ? placed.inRow
                                  : kind == ColumnUnit ? placed.inColumn
                                                       : placed.inBox;
    return FindUnitSingle(board, step, kind, technique, inUnit, [&](int index) -> std::uint32_t {
        std::uint32_t blocked = 0;
        if (kind != RowUnit) blocked |= placed.inRow[RowOfIndex(index)];
        if (kind != ColumnUnit) blocked |= placed.inColumn[ColumnOfIndex(index)];
        return full & ~blocked & EmptyMask(board.cells[index]);
    });
}

// A value that only one empty cell of a unit keeps as a candidate. A value placed in the unit is
// never found: no cell of the unit keeps it.
int FindHiddenSingle(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique) {
    return FindUnitSingle(board, step, kind, technique, nullptr, [&](int index) -> std::uint32_t {
        const BoardCell& cell = board.cells[index];
        return cell.candidates & EmptyMask(cell);
    });
}
}  // namespace

int FindSingleInBox(SudokuBoard& board, SolveStep& step) {
    return FindSingle(board, step, BoxUnit, SingleInBox);
}

int FindSingleInRow(SudokuBoard& board, SolveStep& step) {
    return FindSingle(board, step, RowUnit, SingleInRow);
}

int FindSingleInColumn(SudokuBoard& board, SolveStep& step) {
    return FindSingle(board, step, ColumnUnit, SingleInColumn);
}

int FindHiddenSingleInBox(SudokuBoard& board, SolveStep& step) {
    return FindHiddenSingle(board, step, BoxUnit, HiddenSingleInBox);
}

int FindHiddenSingleInRow(SudokuBoard& board, SolveStep& step) {
    return FindHiddenSingle(board, step, RowUnit, HiddenSingleInRow);
}

int FindHiddenSingleInColumn(SudokuBoard& board, SolveStep& step) {
    return FindHiddenSingle(board, step, ColumnUnit, HiddenSingleInColumn);
}

// The first empty cell, column by column, with a single candidate.
int FindNakedSingle(SudokuBoard& board, SolveStep& step) {
    for (int x = 0; x < board.size; ++x)
        for (int y = 0; y < board.size; ++y) {
            const BoardCell& cell = board.Cell(x, y);
            if (!cell.IsEmpty() || cell.candidateNbr != 1) continue;
            int value = 0;
            MaskValues(cell.candidates, &value, 1);
            PlaceValue(board, x, y, value);
            step.value = value;
            step.column = x;
            step.row = y;
            step.technique = NakedSingle;
            return 1;
        }
    return 0;
}

const StepDescription kPlacementDescription = {"Given %s solved at ", 1, CellListing::FirstOnly};

void ShowSingle(const SolveStep& step, StepDisplay& display) {
    display.Begin(step.technique, PlacementPage);
    display.AddValue(step.value);
    display.AddPatternCell({step.column, step.row});
    display.placedValue = step.value;
    display.placedCell = {step.column, step.row};
    display.logsPlacement = 1;
    // The singles that read placed values only cross their unit's other cells with lines.
    if (step.technique == SingleInBox) {
        display.singleUnitKind = BoxUnit;
        display.singleUnit = step.unitBox;
    } else if (step.technique == SingleInRow) {
        display.singleUnitKind = RowUnit;
        display.singleUnit = step.row;
    } else if (step.technique == SingleInColumn) {
        display.singleUnitKind = ColumnUnit;
        display.singleUnit = step.column;
    }
}
