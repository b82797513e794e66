#include "engine/UnitMasks.h"

void UnitMasks::Clear(int size) {
    size_ = size;
    table_ = &UnitTableFor(size);
    places_ = {};
    placed_ = {};
    empty_ = {};
    bivalue_ = {};
}

void UnitMasks::Build(const CellGrid& cells, int size) {
    Clear(size);
    const std::uint32_t values = fullMask(size);
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) {
            const BoardCell& cell = cells[CellIndex(x, y)];
            const int box = BoxOf(x, y), position = BoxPosition(x, y);
            if (!cell.IsEmpty()) {
                const std::uint32_t bit = cell.value <= size ? bitOf(cell.value) : 0;
                placed_[RowUnit][y] |= bit;
                placed_[ColumnUnit][x] |= bit;
                placed_[BoxUnit][box] |= bit;
                continue;
            }
            const std::uint32_t two = static_cast<std::uint32_t>(cell.candidateNbr == 2);
            empty_[RowUnit][y] |= 1u << x;
            empty_[ColumnUnit][x] |= 1u << y;
            empty_[BoxUnit][box] |= 1u << position;
            bivalue_[RowUnit][y] |= two << x;
            bivalue_[ColumnUnit][x] |= two << y;
            bivalue_[BoxUnit][box] |= two << position;
            for (std::uint32_t rest = cell.candidates & values; rest != 0; rest &= rest - 1) {
                const int v = std::countr_zero(rest);
                places_[RowUnit][y][v] |= static_cast<std::uint16_t>(1u << x);
                places_[ColumnUnit][x][v] |= static_cast<std::uint16_t>(1u << y);
                places_[BoxUnit][box][v] |= static_cast<std::uint16_t>(1u << position);
            }
        }
}

void UnitMasks::NoteFilled(int column, int row, int value, std::uint32_t candidates) {
    const int box = BoxOf(column, row), position = BoxPosition(column, row);
    const std::uint32_t bit = value <= size_ ? bitOf(value) : 0;
    placed_[RowUnit][row] |= bit;
    placed_[ColumnUnit][column] |= bit;
    placed_[BoxUnit][box] |= bit;
    empty_[RowUnit][row] &= ~(1u << column);
    empty_[ColumnUnit][column] &= ~(1u << row);
    empty_[BoxUnit][box] &= ~(1u << position);
    NoteRemoved(column, row, candidates, 0);
}

void UnitMasks::NoteRemoved(int column, int row, std::uint32_t removed, int left) {
    const int box = BoxOf(column, row), position = BoxPosition(column, row);
    const std::uint32_t two = static_cast<std::uint32_t>(left == 2);
    bivalue_[RowUnit][row] = (bivalue_[RowUnit][row] & ~(1u << column)) | two << column;
    bivalue_[ColumnUnit][column] = (bivalue_[ColumnUnit][column] & ~(1u << row)) | two << row;
    bivalue_[BoxUnit][box] = (bivalue_[BoxUnit][box] & ~(1u << position)) | two << position;
    for (std::uint32_t rest = removed & fullMask(size_); rest != 0; rest &= rest - 1) {
        const int v = std::countr_zero(rest);
        places_[RowUnit][row][v] &= static_cast<std::uint16_t>(~(1u << column));
        places_[ColumnUnit][column][v] &= static_cast<std::uint16_t>(~(1u << row));
        places_[BoxUnit][box][v] &= static_cast<std::uint16_t>(~(1u << position));
    }
}
