// Singles (placed values only), hidden singles (candidates within one unit) and the naked single.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
void RecordPlacement(SudokuBoard& board, SolveStep& step, TechniqueId technique, UnitKind kind,
                     int unit, int index, int v) {
    const int column = ColumnOfIndex(index), row = RowOfIndex(index);
    board.Place(column, row, v);
    step.value = v;
    step.column = column;
    step.row = row;
    if (kind == BoxUnit) {
        step.unitBox = unit;
        board.BoxOrigin(unit, step.unitFirstColumn, step.unitFirstRow);
    }
    step.technique = technique;
}

// A value missing from a unit that only one empty cell of the unit can take, judged by the
// values placed in the lines crossing it: the column for a row, the row for a column, both for
// a box. Candidates are not consulted, so eliminations made by techniques do not count here.
// The first unit, then the smallest value.
// The kind is a template parameter: the scan runs after every placed value, and its inner loop
// should not test the kind.
template <UnitKind kind>
int FindSingle(SudokuBoard& board, SolveStep& step, TechniqueId technique) {
    const UnitMasks& masks = board.Masks();
    const std::uint32_t full = fullMask(board.size);
    // The values an empty cell of the unit can take, blocked by the lines crossing the unit.
    auto takes = [&](int index) {
        std::uint32_t blocked = 0;
        if constexpr (kind != RowUnit) blocked |= masks.Placed(RowUnit, RowOfIndex(index));
        if constexpr (kind != ColumnUnit) blocked |= masks.Placed(ColumnUnit, ColumnOfIndex(index));
        return full & ~blocked;
    };
    for (int unit = 0; unit < board.size; ++unit) {
        const std::uint32_t empty = masks.Empty(kind, unit);
        CandidateTally tally;
        for (std::uint32_t rest = empty; rest != 0; rest &= rest - 1)
            tally.Add(takes(UnitCellIndex(board, kind, unit, std::countr_zero(rest))));
        const std::uint32_t singles = tally.ExactlyOnce() & ~masks.Placed(kind, unit);
        if (singles == 0) continue;
        const std::uint32_t bit = singles & (~singles + 1);
        for (std::uint32_t rest = empty; rest != 0; rest &= rest - 1) {
            const int index = UnitCellIndex(board, kind, unit, std::countr_zero(rest));
            if (!(takes(index) & bit)) continue;
            RecordPlacement(board, step, technique, kind, unit, index, valueOfBit(bit));
            return 1;
        }
    }
    return 0;
}

// A value that only one empty cell of a unit keeps as a candidate: the first unit, then the
// smallest value. A value placed in the unit is never found: no cell of the unit keeps it.
int FindHiddenSingle(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique) {
    const UnitMasks& masks = board.Masks();
    ChangeStamps& changes = board.Changes();
    for (int unit = 0; unit < board.size; ++unit) {
        if (!changes.UnitChanged(technique, kind, unit)) continue;
        for (int v = 1; v <= board.size; ++v) {
            const std::uint32_t places = masks.Of(kind, unit, v);
            if (!std::has_single_bit(places)) continue;
            RecordPlacement(board, step, technique, kind, unit,
                            UnitCellIndex(board, kind, unit, std::countr_zero(places)), v);
            return 1;
        }
    }
    changes.FoundNothing(technique);
    return 0;
}
}  // namespace

int FindSingleInBox(SudokuBoard& board, SolveStep& step) {
    return FindSingle<BoxUnit>(board, step, SingleInBox);
}

int FindSingleInRow(SudokuBoard& board, SolveStep& step) {
    return FindSingle<RowUnit>(board, step, SingleInRow);
}

int FindSingleInColumn(SudokuBoard& board, SolveStep& step) {
    return FindSingle<ColumnUnit>(board, step, SingleInColumn);
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
    ChangeStamps& changes = board.Changes();
    for (int x = 0; x < board.size; ++x) {
        if (!changes.UnitChanged(NakedSingle, ColumnUnit, x)) continue;
        for (int y = 0; y < board.size; ++y) {
            const BoardCell& cell = board.Cell(x, y);
            if (!cell.IsEmpty() || cell.candidateNbr != 1) continue;
            int value = 0;
            MaskValues(cell.candidates, &value, 1);
            board.Place(x, y, value);
            step.value = value;
            step.column = x;
            step.row = y;
            step.technique = NakedSingle;
            return 1;
        }
    }
    changes.FoundNothing(NakedSingle);
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
