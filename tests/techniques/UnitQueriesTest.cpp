#include "techniques/UnitQueries.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {
// Row 0 holds 1..6; the three empty cells of row 0 are columns 6, 7, 8 with candidates {7,8,9}.
const char kPuzzle[] =
    "123456..."
    "........."
    "........."
    "........."
    "........."
    "........."
    "........."
    "........."
    ".......7.";

TEST(UnitQueries, UnitWalkingOrder) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kPuzzle);
    EXPECT_EQ(UnitCellIndex(*board, RowUnit, 2, 3), CellIndex(3, 2));
    EXPECT_EQ(UnitCellIndex(*board, ColumnUnit, 2, 3), CellIndex(2, 3));
    // Box 5 starts at column 6, row 3 and is walked column-major.
    EXPECT_EQ(UnitCellIndex(*board, BoxUnit, 5, 0), CellIndex(6, 3));
    EXPECT_EQ(UnitCellIndex(*board, BoxUnit, 5, 1), CellIndex(6, 4));
    EXPECT_EQ(UnitCellIndex(*board, BoxUnit, 5, 3), CellIndex(7, 3));
    auto big = MakeBoard(platform, std::string(256, '.'));
    EXPECT_EQ(UnitCellIndex(*big, BoxUnit, 7, 5), CellIndex(13, 5));
    EXPECT_EQ(UnitCellIndex(*big, BoxUnit, 15, 15), CellIndex(15, 15));
}

TEST(UnitQueries, PlacesInLines) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kPuzzle);
    LinePlaces places{};
    EXPECT_EQ(PlacesInRow(*board, 0, 3, 0, places), 0);  // the row holds 3
    // 7 can go in columns 6 and 8 of row 0 only (column 7 holds 7).
    EXPECT_EQ(PlacesInRow(*board, 0, 7, 2, places), 1);
    EXPECT_EQ(places, (LinePlaces{6, 8, -1}));
    EXPECT_EQ(PlacesInRow(*board, 0, 8, 2, places), 0);
    EXPECT_EQ(places, (LinePlaces{6, 7, 8}));
    // Column 7 holds 7; 1 goes in rows 1..7 of it: only the first three are noted.
    EXPECT_EQ(PlacesInColumn(*board, 7, 7, 0, places), 0);
    EXPECT_EQ(PlacesInColumn(*board, 7, 1, 7, places), 1);
    EXPECT_EQ(places, (LinePlaces{1, 2, 3}));
}

TEST(UnitQueries, FindOtherCellsHoldingCandidates) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kPuzzle);
    int column = 0, row = 0;
    // Other cells of row 0 holding 7: column 8 only, besides the skipped column 6.
    EXPECT_EQ(FindInRow(*board, 0, 6, bitOf(7), 1, column), 1);
    EXPECT_EQ(column, 8);
    EXPECT_EQ(FindInRow(*board, 0, -1, bitOf(8) | bitOf(9), 3, column), 1);
    EXPECT_EQ(column, 8);  // the last one found
    EXPECT_EQ(FindInRow(*board, 0, -1, bitOf(1), 0, column), 1);
    EXPECT_EQ(column, -1);
    // Column 8 below row 0: rows 6..8 share a box with the 7 of row 8.
    EXPECT_EQ(FindInColumn(*board, 8, 0, bitOf(7), 5, row), 1);
    EXPECT_EQ(row, 5);
    // Box 2 without (6, 0): columns 6 and 8 of rows 0..2.
    EXPECT_EQ(FindInBox(*board, 2, 6, 0, bitOf(7), 5, column, row), 1);
    EXPECT_EQ(column, 8);
    EXPECT_EQ(row, 2);

    // Bivalue forms count only cells of exactly two candidates.
    BoardCell& cell = board->Cell(6, 0);
    RemoveCandidates(cell, bitOf(9));
    EXPECT_EQ(cell.candidateNbr, 2);
    // (6, 0) is now {7,8} and (7, 0) {8,9}; (8, 0) keeps three.
    EXPECT_EQ(FindBivalueInRow(*board, 0, -1, bitOf(8), 2, column), 1);
    EXPECT_EQ(column, 7);
    EXPECT_EQ(FindBivalueInRow(*board, 0, 7, bitOf(8), 1, column), 1);
    EXPECT_EQ(column, 6);
    EXPECT_EQ(FindBivalueInRow(*board, 0, -1, bitOf(7), 1, column), 1);
    EXPECT_EQ(FindBivalueInColumn(*board, 6, -1, bitOf(7) | bitOf(8), 1, row), 1);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(FindBivalueInBox(*board, 2, 8, 2, bitOf(7), 1, column, row), 1);
    EXPECT_EQ(column, 6);
    EXPECT_EQ(row, 0);
}

TEST(UnitQueries, RemoveCandidatesKeepsTheCount) {
    BoardCell cell{-1, Empty, bitOf(1) | bitOf(4) | bitOf(9), 3};
    EXPECT_EQ(RemoveCandidates(cell, bitOf(4) | bitOf(5)), bitOf(4));
    EXPECT_EQ(cell.candidates, bitOf(1) | bitOf(9));
    EXPECT_EQ(cell.candidateNbr, 2);
    EXPECT_EQ(RemoveCandidates(cell, bitOf(5)), 0u);
    EXPECT_EQ(cell.candidateNbr, 2);
}
}  // namespace
