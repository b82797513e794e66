#pragma once
// Where every value can go in every unit, as bit masks over the unit's walking order: bit i of
// Of(kind, unit, v) is set when the i-th cell of the unit is empty and keeps candidate v. Beside
// them, per unit, the values placed in it and the positions of its empty cells and of its empty
// cells with exactly two candidates. Lowest bit first is walking order, so the first place a scan
// of the unit would meet is the lowest bit. The board keeps them up to date through its writers.

#include <array>
#include <bit>
#include <cstdint>

#include "engine/BoardTypes.h"
#include "engine/UnitGeometry.h"

class UnitMasks {
public:
    void Build(const CellGrid& cells, int size);
    // No places at all, on a board of this size.
    void Clear(int size);
    // The empty cell (column, row), with these candidates until now, holds value.
    void NoteFilled(int column, int row, int value, std::uint32_t candidates);
    // The empty cell (column, row) lost these candidates and keeps `left` of them.
    void NoteRemoved(int column, int row, std::uint32_t removed, int left);

    std::uint32_t Of(UnitKind kind, int unit, int v) const { return places_[kind][unit][v - 1]; }
    // The values placed in the unit.
    std::uint32_t Placed(UnitKind kind, int unit) const { return placed_[kind][unit]; }
    // The positions of the unit's empty cells.
    std::uint32_t Empty(UnitKind kind, int unit) const { return empty_[kind][unit]; }
    // The positions of the unit's empty cells with exactly two candidates.
    std::uint32_t Bivalue(UnitKind kind, int unit) const { return bivalue_[kind][unit]; }
    // The places of v when the unit does not hold v yet and has exactly two of them, else 0.
    std::uint32_t TwoPlaces(UnitKind kind, int unit, int v) const {
        if (Placed(kind, unit) & bitOf(v)) return 0;
        const std::uint32_t mask = Of(kind, unit, v);
        return std::popcount(mask) == 2 ? mask : 0;
    }
    int BoxOf(int column, int row) const { return table_->box[CellIndex(column, row)]; }
    // The position of cell (column, row) in the walking order of its box.
    int BoxPosition(int column, int row) const {
        return table_->boxPosition[CellIndex(column, row)];
    }
    bool operator==(const UnitMasks&) const = default;

    // Calls link(column, row) for each unit of cell (x, y), its row, its column, then its box, in
    // which v has exactly one place besides the cell: the cell's conjugate (or, counting
    // two-candidate cells only, the cell it forces) in that unit.
    template <bool bivalueOnly, class Link>
    void ForEachLink(int x, int y, int v, Link link) const {
        const int box = BoxOf(x, y);
        auto among = [&](UnitKind kind, int unit) {
            if constexpr (bivalueOnly) return Of(kind, unit, v) & Bivalue(kind, unit);
            return Of(kind, unit, v);
        };
        const std::uint32_t inRow = among(RowUnit, y) & ~(1u << x);
        if (std::has_single_bit(inRow)) link(std::countr_zero(inRow), y);
        const std::uint32_t inColumn = among(ColumnUnit, x) & ~(1u << y);
        if (std::has_single_bit(inColumn)) link(x, std::countr_zero(inColumn));
        const std::uint32_t inBox = among(BoxUnit, box) & ~(1u << BoxPosition(x, y));
        if (std::has_single_bit(inBox)) {
            const int index = table_->cellIndex[BoxUnit][box][std::countr_zero(inBox)];
            link(ColumnOfIndex(index), RowOfIndex(index));
        }
    }

private:
    int size_ = 9;
    const UnitTable* table_ = &kUnitTable9;
    std::array<std::array<std::array<std::uint16_t, kMaxSize>, kMaxSize>, 3> places_{};
    std::array<std::array<std::uint32_t, kMaxSize>, 3> placed_{};
    std::array<std::array<std::uint32_t, kMaxSize>, 3> empty_{};
    std::array<std::array<std::uint32_t, kMaxSize>, 3> bivalue_{};
};
