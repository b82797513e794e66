#include "techniques/UnitQueries.h"

namespace {
constexpr UnitTable MakeUnitTable(int size, int boxSize) {
    UnitTable table;
    for (int unit = 0; unit < size; ++unit) {
        const int firstColumn = (unit % boxSize) * boxSize;
        const int firstRow = (unit / boxSize) * boxSize;
        for (int i = 0; i < size; ++i) {
            table.cellIndex[RowUnit][unit][i] = static_cast<std::uint8_t>(CellIndex(i, unit));
            table.cellIndex[ColumnUnit][unit][i] = static_cast<std::uint8_t>(CellIndex(unit, i));
            table.cellIndex[BoxUnit][unit][i] = static_cast<std::uint8_t>(
                CellIndex(firstColumn + i / boxSize, firstRow + i % boxSize));
        }
    }
    return table;
}

int PlacesInLine(const SudokuBoard& board, UnitKind kind, int line, int v, int wanted,
                 LinePlaces& places) {
    places.fill(-1);
    const std::uint32_t bit = bitOf(v);
    int count = 0;
    for (int i = 0; i < board.size; ++i) {
        const BoardCell& cell = board.cells[UnitCellIndex(board, kind, line, i)];
        if (cell.value == v) return 0;
        if (cell.IsEmpty() && (cell.candidates & bit)) {
            if (count < kLinePlaceCapacity) places[count] = i;
            ++count;
        }
    }
    return count == wanted ? 1 : 0;
}

// Counts the empty cells of the unit, other than the skipped one, that hold every bit of mask
// (and, when bivalueOnly, have exactly two candidates).
int FindInUnit(const SudokuBoard& board, UnitKind kind, int unit, int skipIndex, std::uint32_t mask,
               int wanted, bool bivalueOnly, int& foundIndex) {
    foundIndex = -1;
    int count = 0;
    for (int i = 0; i < board.size; ++i) {
        const int index = UnitCellIndex(board, kind, unit, i);
        const BoardCell& cell = board.cells[index];
        if (index == skipIndex || !cell.IsEmpty() || (cell.candidates & mask) != mask) continue;
        if (bivalueOnly && cell.candidateNbr != 2) continue;
        foundIndex = index;
        ++count;
    }
    return count == wanted ? 1 : 0;
}

int FindInLine(const SudokuBoard& board, UnitKind kind, int line, int skip, std::uint32_t mask,
               int wanted, bool bivalueOnly, int& found) {
    const int skipIndex = kind == RowUnit ? CellIndex(skip, line) : CellIndex(line, skip);
    int foundIndex = -1;
    const int result =
        FindInUnit(board, kind, line, skipIndex, mask, wanted, bivalueOnly, foundIndex);
    found = foundIndex < 0    ? -1
            : kind == RowUnit ? ColumnOfIndex(foundIndex)
                              : RowOfIndex(foundIndex);
    return result;
}

int FindInBoxUnit(const SudokuBoard& board, int box, int skipColumn, int skipRow,
                  std::uint32_t mask, int wanted, bool bivalueOnly, int& foundColumn,
                  int& foundRow) {
    int foundIndex = -1;
    const int result = FindInUnit(board, BoxUnit, box, CellIndex(skipColumn, skipRow), mask, wanted,
                                  bivalueOnly, foundIndex);
    foundColumn = foundIndex < 0 ? -1 : ColumnOfIndex(foundIndex);
    foundRow = foundIndex < 0 ? -1 : RowOfIndex(foundIndex);
    return result;
}
}  // namespace

constexpr UnitTable kUnitTable9 = MakeUnitTable(9, 3);
constexpr UnitTable kUnitTable16 = MakeUnitTable(16, 4);

UnitPlaces::UnitPlaces(const SudokuBoard& board, bool bivalueOnly) : boxSize_(board.boxSize) {
    const std::uint32_t values = fullMask(board.size);
    for (int x = 0; x < board.size; ++x)
        for (int y = 0; y < board.size; ++y) {
            const BoardCell& cell = board.Cell(x, y);
            const int box = board.BoxIndex(x, y);
            if (!cell.IsEmpty()) {
                const std::uint32_t bit = cell.value <= board.size ? bitOf(cell.value) : 0;
                placed_[RowUnit][y] |= bit;
                placed_[ColumnUnit][x] |= bit;
                placed_[BoxUnit][box] |= bit;
                continue;
            }
            if (bivalueOnly && cell.candidateNbr != 2) continue;
            const int position = BoxPosition(x, y);
            for (std::uint32_t rest = cell.candidates & values; rest != 0; rest &= rest - 1) {
                const int v = std::countr_zero(rest);
                places_[RowUnit][y][v] |= static_cast<std::uint16_t>(1u << x);
                places_[ColumnUnit][x][v] |= static_cast<std::uint16_t>(1u << y);
                places_[BoxUnit][box][v] |= static_cast<std::uint16_t>(1u << position);
            }
        }
}

void PlaceValue(SudokuBoard& board, int column, int row, int v) {
    BoardCell& cell = board.Cell(column, row);
    cell.value = v;
    cell.type = Given;
    board.PlaceAndPropagate(column, row);
}

int PlacesInRow(const SudokuBoard& board, int y, int v, int wanted, LinePlaces& places) {
    return PlacesInLine(board, RowUnit, y, v, wanted, places);
}

int PlacesInColumn(const SudokuBoard& board, int x, int v, int wanted, LinePlaces& places) {
    return PlacesInLine(board, ColumnUnit, x, v, wanted, places);
}

int FindInRow(const SudokuBoard& board, int y, int skipColumn, std::uint32_t mask, int wanted,
              int& foundColumn) {
    return FindInLine(board, RowUnit, y, skipColumn, mask, wanted, false, foundColumn);
}

int FindInColumn(const SudokuBoard& board, int x, int skipRow, std::uint32_t mask, int wanted,
                 int& foundRow) {
    return FindInLine(board, ColumnUnit, x, skipRow, mask, wanted, false, foundRow);
}

int FindInBox(const SudokuBoard& board, int box, int skipColumn, int skipRow, std::uint32_t mask,
              int wanted, int& foundColumn, int& foundRow) {
    return FindInBoxUnit(board, box, skipColumn, skipRow, mask, wanted, false, foundColumn,
                         foundRow);
}

int FindBivalueInRow(const SudokuBoard& board, int y, int skipColumn, std::uint32_t mask,
                     int wanted, int& foundColumn) {
    return FindInLine(board, RowUnit, y, skipColumn, mask, wanted, true, foundColumn);
}

int FindBivalueInColumn(const SudokuBoard& board, int x, int skipRow, std::uint32_t mask,
                        int wanted, int& foundRow) {
    return FindInLine(board, ColumnUnit, x, skipRow, mask, wanted, true, foundRow);
}

int FindBivalueInBox(const SudokuBoard& board, int box, int skipColumn, int skipRow,
                     std::uint32_t mask, int wanted, int& foundColumn, int& foundRow) {
    return FindInBoxUnit(board, box, skipColumn, skipRow, mask, wanted, true, foundColumn,
                         foundRow);
}
