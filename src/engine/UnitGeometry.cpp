#include "engine/UnitGeometry.h"

namespace {
constexpr UnitTable MakeUnitTable(int size, int boxSize) {
    UnitTable table;
    for (int unit = 0; unit < size; ++unit) {
        const int firstColumn = (unit % boxSize) * boxSize;
        const int firstRow = (unit / boxSize) * boxSize;
        for (int i = 0; i < size; ++i) {
            table.cellIndex[RowUnit][unit][i] = static_cast<std::uint8_t>(CellIndex(i, unit));
            table.cellIndex[ColumnUnit][unit][i] = static_cast<std::uint8_t>(CellIndex(unit, i));
            const int index = CellIndex(firstColumn + i / boxSize, firstRow + i % boxSize);
            table.cellIndex[BoxUnit][unit][i] = static_cast<std::uint8_t>(index);
            table.box[index] = static_cast<std::uint8_t>(unit);
            table.boxPosition[index] = static_cast<std::uint8_t>(i);
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
