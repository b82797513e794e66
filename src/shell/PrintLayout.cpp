#include "shell/PrintLayout.h"

#include <algorithm>

namespace {
constexpr int kMarginMillimetres = 12;
constexpr int kGapMillimetres = 6;
constexpr int kTitleMillimetres = 8;
constexpr int kTitleGapMillimetres = 1;
}  // namespace

std::optional<PageGrid> GridForBoardsPerPage(int perPage) {
    switch (perPage) {
        case 1:
            return PageGrid{1, 1};
        case 2:
            return PageGrid{1, 2};
        case 4:
            return PageGrid{2, 2};
        case 6:
            return PageGrid{2, 3};
        case kSolutionsPerPage:
            return PageGrid{3, 4};
        default:
            return std::nullopt;
    }
}

int MillimetresToPixels(int millimetres, int dotsPerInch) {
    return static_cast<int>((static_cast<long long>(millimetres) * dotsPerInch * 10 + 127) / 254);
}

std::vector<PrintSlot> LayoutPage(int width, int height, int dotsPerInch, PageGrid grid) {
    const int columns = std::max(grid.columns, 1);
    const int rows = std::max(grid.rows, 1);
    const int margin = MillimetresToPixels(kMarginMillimetres, dotsPerInch);
    const int gap = MillimetresToPixels(kGapMillimetres, dotsPerInch);
    const int slotWidth = std::max(0, (width - 2 * margin - (columns - 1) * gap) / columns);
    const int slotHeight = std::max(0, (height - 2 * margin - (rows - 1) * gap) / rows);
    // A small slot gets a title in proportion, so that the board keeps most of it.
    const int titleHeight =
        std::min(MillimetresToPixels(kTitleMillimetres, dotsPerInch), slotHeight / 10);
    const int titleGap = MillimetresToPixels(kTitleGapMillimetres, dotsPerInch);
    const int side = std::max(0, std::min(slotWidth, slotHeight - titleHeight - titleGap));

    std::vector<PrintSlot> slots;
    slots.reserve(static_cast<std::size_t>(columns * rows));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const int left = margin + column * (slotWidth + gap) + (slotWidth - side) / 2;
            const int top = margin + row * (slotHeight + gap) +
                            (slotHeight - titleHeight - titleGap - side) / 2;
            slots.push_back(
                {{left, top, side, titleHeight}, {left, top + titleHeight + titleGap, side, side}});
        }
    return slots;
}

int PagesFor(int count, int perPage) {
    if (count <= 0 || perPage <= 0) return 0;
    return (count + perPage - 1) / perPage;
}
