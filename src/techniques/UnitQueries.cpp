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

constexpr PeerTable MakePeerTable(int size, int boxSize) {
    PeerTable table;
    table.peerNbr = 3 * size - 2 * boxSize - 1;
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) {
            auto& peers = table.peers[CellIndex(x, y)];
            int count = 0;
            for (int r = 0; r < size; ++r)
                if (r != y) peers[count++] = static_cast<std::uint8_t>(CellIndex(x, r));
            for (int c = 0; c < size; ++c)
                if (c != x) peers[count++] = static_cast<std::uint8_t>(CellIndex(c, y));
            const int firstColumn = x / boxSize * boxSize, firstRow = y / boxSize * boxSize;
            for (int r = firstRow; r < firstRow + boxSize; ++r)
                for (int c = firstColumn; c < firstColumn + boxSize; ++c)
                    if (r != y && c != x)
                        peers[count++] = static_cast<std::uint8_t>(CellIndex(c, r));
        }
    return table;
}
}  // namespace

constexpr UnitTable kUnitTable9 = MakeUnitTable(9, 3);
constexpr UnitTable kUnitTable16 = MakeUnitTable(16, 4);
constexpr PeerTable kPeerTable9 = MakePeerTable(9, 3);
constexpr PeerTable kPeerTable16 = MakePeerTable(16, 4);

UnitPlaces::UnitPlaces(const SudokuBoard& board, bool bivalueOnly, int kinds)
    : boxSize_(board.boxSize) {
    // Kinds not asked for get empty masks; masking keeps the scatter free of branches.
    const std::uint32_t rows = 0u - ((kinds >> RowUnit) & 1u),
                        columns = 0u - ((kinds >> ColumnUnit) & 1u),
                        boxes = 0u - ((kinds >> BoxUnit) & 1u);
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
                places_[RowUnit][y][v] |= static_cast<std::uint16_t>((1u << x) & rows);
                places_[ColumnUnit][x][v] |= static_cast<std::uint16_t>((1u << y) & columns);
                places_[BoxUnit][box][v] |= static_cast<std::uint16_t>((1u << position) & boxes);
            }
        }
}

void PlaceValue(SudokuBoard& board, int column, int row, int v) {
    BoardCell& cell = board.Cell(column, row);
    cell.value = v;
    cell.type = Given;
    board.PlaceAndPropagate(column, row);
}
