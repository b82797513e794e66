#include "shell/BoardGeometry.h"

#include <gtest/gtest.h>

namespace {
TEST(BoardGeometry, CellSizeFollowsTheSmallerSideAndTheZoom) {
    EXPECT_EQ(BoardGeometry(400, 300, 9, 100).CellSize(), 32);
    EXPECT_EQ(BoardGeometry(400, 300, 9, 50).CellSize(), 16);
    const BoardGeometry zoomed(400, 300, 9, 400);
    EXPECT_EQ(zoomed.CellSize(), 128);
    EXPECT_EQ(zoomed.ExtentWidth(), 1600);
    EXPECT_EQ(zoomed.ExtentHeight(), 1200);
    EXPECT_EQ(zoomed.ContentRect(), (PixelRect{0, 0, 1600, 1200}));
    // Below 100 % the content is the client area itself: nothing to scroll.
    EXPECT_EQ(BoardGeometry(400, 300, 9, 50).ContentRect(), (PixelRect{0, 0, 400, 300}));

    // A tall window: the width decides. 16 x 16 divides by 16.
    EXPECT_EQ(BoardGeometry(300, 900, 9, 100).CellSize(), 32);
    EXPECT_EQ(BoardGeometry(400, 300, 16, 100).CellSize(), 18);
    EXPECT_EQ(BoardGeometry(400, 300, 16, 125).CellSize(), 22);

    // Out-of-range zooms are brought to the nearer bound; a tiny or negative window has no
    // cells at all.
    EXPECT_EQ(BoardGeometry(400, 300, 9, 0).CellSize(), 16);
    EXPECT_EQ(BoardGeometry(400, 300, 9, 100000).CellSize(), 128);
    EXPECT_EQ(BoardGeometry(16, 16, 9, 400).CellSize(), 0);
    EXPECT_EQ(BoardGeometry(-50, -50, 9, 100).CellSize(), 0);
    EXPECT_EQ(BoardGeometry(-50, -50, 9, 100).ExtentWidth(), 0);
}

TEST(BoardGeometry, CellsSitFromTheLeftEdgeAndTheMargin) {
    const BoardGeometry geometry(400, 300, 9, 100);
    EXPECT_EQ(geometry.CellRect(0, 0), (PixelRect{4, 4, 32, 32}));
    EXPECT_EQ(geometry.CellRect(2, 5), (PixelRect{68, 164, 32, 32}));
    EXPECT_EQ(geometry.BoardRect(), (PixelRect{4, 4, 288, 288}));
}

TEST(BoardGeometry, PointsFindTheirCellAndMissOutsideTheBoard) {
    const BoardGeometry geometry(400, 300, 9, 100);
    const PixelPoint noScroll{0, 0};
    EXPECT_EQ(geometry.CellAt({4, 4}, noScroll), (CellPosition{0, 0}));
    EXPECT_EQ(geometry.CellAt({35, 35}, noScroll), (CellPosition{0, 0}));
    EXPECT_EQ(geometry.CellAt({36, 35}, noScroll), (CellPosition{1, 0}));
    EXPECT_EQ(geometry.CellAt({291, 291}, noScroll), (CellPosition{8, 8}));
    // The strips left of and above the board are outside it, not part of the first cells.
    EXPECT_FALSE(geometry.CellAt({3, 20}, noScroll));
    EXPECT_FALSE(geometry.CellAt({20, 0}, noScroll));
    EXPECT_FALSE(geometry.CellAt({292, 20}, noScroll));
    EXPECT_FALSE(geometry.CellAt({20, 292}, noScroll));

    // Scrolled content: the client point plus the scroll position.
    const BoardGeometry zoomed(400, 300, 9, 400);
    EXPECT_EQ(zoomed.CellAt({10, 10}, {600, 300}), (CellPosition{4, 2}));
    EXPECT_FALSE(zoomed.CellAt({399, 10}, {1200, 0}));  // x = 1599, past the board's 1156

    // No cells, no hits (and no division by a zero cell size).
    EXPECT_FALSE(BoardGeometry(10, 10, 9, 100).CellAt({5, 5}, noScroll));
}

TEST(BoardGeometry, RepaintAndScrollingFollowTheScrollPosition) {
    const BoardGeometry zoomed(400, 300, 9, 400);
    EXPECT_EQ(zoomed.RepaintRect(1, 1, {0, 0}), (PixelRect{132, 132, 128, 128}));
    EXPECT_EQ(zoomed.RepaintRect(4, 2, {600, 300}), (PixelRect{-84, -40, 128, 128}));

    // A cell already in view keeps the scroll position; others bring the least scrolling that
    // shows them whole.
    EXPECT_EQ(zoomed.ScrollToShow(1, 1, {100, 100}), (PixelPoint{100, 100}));
    EXPECT_EQ(zoomed.ScrollToShow(4, 3, {0, 0}),
              (PixelPoint{4 + 5 * 128 - 400, 4 + 4 * 128 - 300}));
    EXPECT_EQ(zoomed.ScrollToShow(0, 0, {700, 700}), (PixelPoint{4, 4}));
    // The position stays within the extent less the client size.
    EXPECT_EQ(zoomed.ScrollToShow(0, 0, {5000, -5}), (PixelPoint{4, 0}));
    EXPECT_EQ(zoomed.ScrollToShow(8, 8, {5000, 5000}), (PixelPoint{1028, 900}));
    // Scroll bars narrow the visible area: the cell must clear them, and the far end of the
    // extent becomes reachable.
    EXPECT_EQ(zoomed.ScrollToShow(4, 3, {0, 0}, {385, 285}),
              (PixelPoint{4 + 5 * 128 - 385, 4 + 4 * 128 - 285}));
    EXPECT_EQ(zoomed.ScrollToShow(8, 8, {5000, 5000}, {385, 285}), (PixelPoint{1028, 915}));
    // Nothing scrolls at 100 %.
    EXPECT_EQ(BoardGeometry(400, 300, 9, 100).ScrollToShow(8, 8, {30, 30}), (PixelPoint{0, 0}));
}
}  // namespace
