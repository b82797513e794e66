#pragma once
// What changed on the board since a search last came back empty: every change stamps the units
// and the values it touched with a rising count, and a search notes the count when it finds
// nothing. A unit (value) stamped no later than that note is as the search last saw it, so a
// search whose patterns lie within one unit (concern one value) can pass over it.

#include <array>
#include <bit>
#include <cstdint>

#include "engine/BoardTypes.h"
#include "engine/UnitGeometry.h"
#include "techniques/TechniqueCatalogue.h"

class ChangeStamps {
public:
    ChangeStamps() { TouchAll(); }
    void Touch(int column, int row, int box, std::uint32_t values) {
        ++now_;
        units_[RowUnit][row] = units_[ColumnUnit][column] = units_[BoxUnit][box] = now_;
        for (std::uint32_t rest = values & fullMask(kMaxSize); rest != 0; rest &= rest - 1)
            values_[std::countr_zero(rest)] = now_;
    }
    // After the board was rewritten as a whole: every search looks at everything again.
    void TouchAll() {
        ++now_;
        for (auto& kind : units_) kind.fill(now_);
        values_.fill(now_);
    }

    // search is the technique id of the search's first technique.
    bool UnitChanged(int search, UnitKind kind, int unit) const {
        return units_[kind][unit] > emptyAt_[search];
    }
    std::uint32_t ChangedValues(int search) const {
        std::uint32_t changed = 0;
        for (int v = 0; v < kMaxSize; ++v)
            changed |= static_cast<std::uint32_t>(values_[v] > emptyAt_[search]) << v;
        return changed;
    }
    void FoundNothing(int search) { emptyAt_[search] = now_; }

private:
    std::uint64_t now_ = 1;
    std::array<std::array<std::uint64_t, kMaxSize>, 3> units_{};
    std::array<std::uint64_t, kMaxSize> values_{};
    std::array<std::uint64_t, kTechniqueIdCount> emptyAt_{};
};
