#include "shell/PrintLayout.h"

#include <gtest/gtest.h>

namespace {
bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}
}  // namespace

TEST(PrintLayout, GridsForTheOfferedCounts) {
    const std::pair<int, PageGrid> grids[] = {
        {1, {1, 1}}, {2, {1, 2}}, {4, {2, 2}}, {6, {2, 3}}, {12, {3, 4}}};
    for (const auto& [perPage, grid] : grids) {
        const std::optional<PageGrid> found = GridForBoardsPerPage(perPage);
        ASSERT_TRUE(found) << perPage;
        EXPECT_EQ(found->columns, grid.columns);
        EXPECT_EQ(found->rows, grid.rows);
    }
    for (int bad : {0, 3, 5, 1000, -4}) EXPECT_FALSE(GridForBoardsPerPage(bad)) << bad;
    EXPECT_EQ(PagesFor(13, 4), 4);
    EXPECT_EQ(PagesFor(13, kSolutionsPerPage), 2);
    EXPECT_EQ(PagesFor(12, kSolutionsPerPage), 1);
    EXPECT_EQ(PagesFor(0, 4), 0);
}

// On an A4 page at 150 dpi: every board square lies inside the 12 mm margins under its title,
// nothing overlaps, and one board alone takes the page's whole width.
TEST(PrintLayout, SlotsFillTheA4PageWithoutOverlap) {
    const int width = MillimetresToPixels(kA4WidthMillimetres, 150);
    const int height = MillimetresToPixels(kA4HeightMillimetres, 150);
    EXPECT_EQ(width, 1240);
    EXPECT_EQ(height, 1754);
    const int margin = MillimetresToPixels(12, 150);
    for (int perPage : {1, 2, 4, 6, 12}) {
        const PageGrid grid = *GridForBoardsPerPage(perPage);
        const std::vector<PrintSlot> slots = LayoutPage(width, height, 150, grid);
        ASSERT_EQ(slots.size(), static_cast<std::size_t>(perPage));
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const PrintSlot& slot = slots[i];
            EXPECT_EQ(slot.board.width, slots.front().board.width);
            EXPECT_EQ(slot.board.width, slot.board.height);
            EXPECT_GT(slot.title.height, 0);
            EXPECT_EQ(slot.title.left, slot.board.left);
            EXPECT_EQ(slot.title.width, slot.board.width);
            EXPECT_LT(slot.title.Bottom(), slot.board.top);
            EXPECT_GE(slot.title.top, margin);
            EXPECT_GE(slot.board.left, margin);
            EXPECT_LE(slot.board.Right(), width - margin);
            EXPECT_LE(slot.board.Bottom(), height - margin);
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(Overlap(slot.board, slots[j].board)) << perPage << ' ' << i << j;
                EXPECT_FALSE(Overlap(slot.title, slots[j].board)) << perPage << ' ' << i << j;
            }
        }
        // Reading order: left to right, then top to bottom.
        if (grid.columns > 1) {
            EXPECT_LT(slots[0].board.left, slots[1].board.left);
        }
        if (grid.rows > 1) {
            EXPECT_LT(slots[0].board.top, slots[grid.columns].board.top);
        }
    }
    EXPECT_EQ(LayoutPage(width, height, 150, PageGrid{1, 1}).front().board.width,
              width - 2 * margin);
    // A page too small for anything gives empty squares, not negative ones.
    for (const PrintSlot& slot : LayoutPage(10, 10, 150, PageGrid{3, 4}))
        EXPECT_EQ(slot.board.width, 0);
}
