// Y-Wings: a two-candidate pivot {a, b} sees a wing {a, z} and a wing {b, z}; whichever value the
// pivot takes, one wing holds z, so a cell seeing both wings cannot. The first wing lies on the
// pivot's row (or, when the row has none, its column); the second on the other line through the
// pivot, and the target where the wings' lines cross.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
bool IsBivalue(const BoardCell& cell) {
    return cell.IsEmpty() && cell.candidateNbr == 2;
}

// A wing shares exactly one value with the pivot.
bool IsWingOf(const BoardCell& cell, std::uint32_t pivotMask) {
    return IsBivalue(cell) && BitCount(cell.candidates & pivotMask) == 1;
}

// The pivot's cell in its own line coordinates: `along` runs along the first wing's line, `across`
// along the second wing's line. For the row branch along is the column and across the row.
struct Orientation {
    bool firstWingInRow;
    StepCell At(int along, int across) const {
        return firstWingInRow ? StepCell{along, across} : StepCell{across, along};
    }
    // The two-candidate cells of the line through `across` (`along`), by position along (across).
    std::uint32_t BivaluesAlong(const SudokuBoard& board, int across) const {
        return board.Masks().Bivalue(firstWingInRow ? RowUnit : ColumnUnit, across);
    }
    std::uint32_t BivaluesAcross(const SudokuBoard& board, int along) const {
        return board.Masks().Bivalue(firstWingInRow ? ColumnUnit : RowUnit, along);
    }
};

const BoardCell& CellAt(const SudokuBoard& board, StepCell cell) {
    return board.Cell(cell.column, cell.row);
}

// The first wing on the pivot's line: its position along that line, or -1.
int FindFirstWing(const SudokuBoard& board, Orientation o, int pivotAlong, int pivotAcross,
                  std::uint32_t pivotMask) {
    const std::uint32_t others = o.BivaluesAlong(board, pivotAcross) & ~(1u << pivotAlong);
    for (std::uint32_t rest = others; rest != 0; rest &= rest - 1) {
        const int along = std::countr_zero(rest);
        if (IsWingOf(CellAt(board, o.At(along, pivotAcross)), pivotMask)) return along;
    }
    return -1;
}

// The second wing on the line through the pivot across the first wing's line: its position
// across, or -1. The pivot's box is searched first: a two-candidate cell of the box beside the
// pivot's line admits the wing on its own cross line; then the whole line.
int FindSecondWing(const SudokuBoard& board, Orientation o, int pivotAlong, int pivotAcross,
                   std::uint32_t wanted) {
    const StepCell pivot = o.At(pivotAlong, pivotAcross);
    const int box = board.BoxIndex(pivot.column, pivot.row);
    // Box positions run column by column, as the cells are visited.
    for (std::uint32_t rest = board.Masks().Bivalue(BoxUnit, box); rest != 0; rest &= rest - 1) {
        const int index = UnitCellIndex(board, BoxUnit, box, std::countr_zero(rest));
        const int c = ColumnOfIndex(index), r = RowOfIndex(index);
        if (c == pivot.column || r == pivot.row) continue;
        const StepCell wing = o.firstWingInRow ? StepCell{pivot.column, r} : StepCell{c, pivot.row};
        if (CellAt(board, wing).candidates == wanted) return o.firstWingInRow ? r : c;
    }
    const std::uint32_t others = o.BivaluesAcross(board, pivotAlong) & ~(1u << pivotAcross);
    for (std::uint32_t rest = others; rest != 0; rest &= rest - 1) {
        const int across = std::countr_zero(rest);
        if (CellAt(board, o.At(pivotAlong, across)).candidates == wanted) return across;
    }
    return -1;
}

// The pivot's branch along one line; 1 when it applied a step. Sets hasFirstWing when the line
// held a first wing, which decides the pivot whatever follows.
int TryBranch(SudokuBoard& board, Orientation o, int pivotAlong, int pivotAcross, SolveStep& step,
              bool& hasFirstWing) {
    auto& section = step.yWings;
    const std::uint32_t pivotMask = CellAt(board, o.At(pivotAlong, pivotAcross)).candidates;
    const int wingAlong = FindFirstWing(board, o, pivotAlong, pivotAcross, pivotMask);
    hasFirstWing = wingAlong >= 0;
    if (!hasFirstWing) return 0;
    const StepCell wing1 = o.At(wingAlong, pivotAcross);
    const std::uint32_t wingMask = CellAt(board, wing1).candidates;
    const std::uint32_t zBit = wingMask & ~pivotMask;
    section.wing1Column = wing1.column;
    section.wing1Row = wing1.row;
    section.valueZ = valueOfBit(zBit);

    const int wingAcross = FindSecondWing(board, o, pivotAlong, pivotAcross, wingMask ^ pivotMask);
    if (wingAcross < 0) return 0;
    const StepCell wing2 = o.At(pivotAlong, wingAcross);
    const StepCell target = o.At(wingAlong, wingAcross);
    const BoardCell& targetCell = board.Cell(target.column, target.row);
    if (!targetCell.IsEmpty() || !(targetCell.candidates & zBit)) return 0;
    board.RemoveCandidates(CellIndex(target.column, target.row), zBit);
    section.wing2Column = wing2.column;
    section.wing2Row = wing2.row;
    section.removals[0] = {target.column, target.row, static_cast<std::int32_t>(zBit)};
    section.removalCount = 1;
    step.technique = YWings;
    return 1;
}
}  // namespace

int FindYWings(SudokuBoard& board, SolveStep& step) {
    const int n = board.size;
    for (int y = 0; y < n; ++y)
        for (std::uint32_t pivots = board.Masks().Bivalue(RowUnit, y); pivots != 0;
             pivots &= pivots - 1) {
            const int x = std::countr_zero(pivots);
            const BoardCell& pivot = board.Cell(x, y);
            auto& section = step.yWings;
            int values[2] = {};
            MaskValues(pivot.candidates, values, 2);
            section.pivotColumn = x;
            section.pivotRow = y;
            section.valueA = values[0];
            section.valueB = values[1];
            // Only the first wing found is tried: a pivot whose wing leads nowhere is dropped.
            bool hasFirstWing = false;
            if (TryBranch(board, Orientation{true}, x, y, step, hasFirstWing)) return 1;
            if (hasFirstWing) continue;
            if (TryBranch(board, Orientation{false}, y, x, step, hasFirstWing)) return 1;
        }
    return 0;
}

void ShowYWings(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.yWings;
    display.Begin(step.technique, YWingsPage);
    display.AddValue(section.valueZ);
    display.keyValues = {section.valueA, section.valueB};
    display.keyValueNbr = 2;
    display.AddPatternCell({section.pivotColumn, section.pivotRow});
    display.AddPatternCell({section.wing1Column, section.wing1Row});
    display.AddPatternCell({section.wing2Column, section.wing2Row});
    display.AddChanges(section.removals, section.removalCount);
}
