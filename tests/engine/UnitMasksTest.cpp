#include "engine/UnitMasks.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestSupport.h"
#include "techniques/UnitQueries.h"

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

TEST(UnitMasks, UnitWalkingOrder) {
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

TEST(UnitMasks, PlacesFollowWalkingOrder) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kPuzzle);
    board->RebuildMasks();
    const UnitMasks& places = board->Masks();
    EXPECT_EQ(places.Placed(RowUnit, 0), fullMask(6));
    EXPECT_EQ(places.Placed(BoxUnit, 8), bitOf(7));
    EXPECT_EQ(places.Placed(ColumnUnit, 0), bitOf(1));
    EXPECT_EQ(places.Empty(RowUnit, 0), 0b111000000u);
    // 7 can go in columns 6 and 8 of row 0 only (column 7 holds 7); 8 in all three.
    EXPECT_EQ(places.Of(RowUnit, 0, 7), (1u << 6) | (1u << 8));
    EXPECT_EQ(places.TwoPlaces(RowUnit, 0, 7), (1u << 6) | (1u << 8));
    EXPECT_EQ(places.TwoPlaces(RowUnit, 0, 8), 0u);
    EXPECT_EQ(places.Of(RowUnit, 0, 3), 0u);  // placed: no empty cell keeps it
    // Column 8: rows 0..5 take 7; rows 6..8 share a box with the 7 of row 8.
    EXPECT_EQ(places.Of(ColumnUnit, 8, 7), 0b111111u);
    // Box 2 is walked column-major: (6, 0) is position 0, (8, 0) position 6, (8, 2) position 8.
    EXPECT_EQ(places.BoxPosition(8, 2), 8);
    EXPECT_EQ(places.BoxPosition(7, 4), 4);
    EXPECT_EQ(places.Of(BoxUnit, 2, 7), 0b111000111u);
    EXPECT_EQ(FirstPlace(0b111000111u), 0);
    EXPECT_EQ(SecondPlace(0b111000110u), 2);

    // Links over two-candidate cells only: (6, 0) is now {7,8} and (7, 0) {8,9}; (8, 0) keeps
    // three, so 8 in (6, 0) forces (7, 0) through the row and the box, and nothing through the
    // column, where (6, 0) is the only two-candidate cell.
    board->RemoveCandidates(CellIndex(6, 0), bitOf(9));
    EXPECT_EQ(places.Bivalue(RowUnit, 0), (1u << 6) | (1u << 7));
    EXPECT_EQ(places.Bivalue(BoxUnit, 2), 0b1001u);
    std::vector<std::pair<int, int>> links;
    auto note = [&](int column, int row) { links.emplace_back(column, row); };
    places.ForEachLink<true>(6, 0, 8, note);
    EXPECT_EQ(links, (std::vector<std::pair<int, int>>{{7, 0}, {7, 0}}));
    // Over all cells, 8 has three places in row 0 and box 2: no conjugate.
    links.clear();
    places.ForEachLink<false>(6, 0, 8, note);
    EXPECT_TRUE(links.empty());

    // A value placed in a line has no two places there, whatever stale candidates say.
    board->Cell(6, 0).candidates |= bitOf(3);
    board->Cell(7, 0).candidates |= bitOf(3);
    board->RebuildMasks();
    EXPECT_EQ(places.Of(RowUnit, 0, 3), (1u << 6) | (1u << 7));
    EXPECT_EQ(places.TwoPlaces(RowUnit, 0, 3), 0u);
}

// The writers keep the count and the masks as a rebuild from the cells would make them, on both
// sizes, and every write moves the change stamps of the units and values it touched only.
TEST(UnitMasks, WritersKeepMasksAndStampsTrue) {
    HeadlessPlatform platform;
    for (const int size : {9, 16}) {
        SCOPED_TRACE(size);
        auto board = MakeBoard(platform, std::string(size * size, '.'));
        board->RebuildMasks();
        auto expectTrue = [&] {
            UnitMasks rebuilt;
            rebuilt.Build(board->cells, board->size);
            EXPECT_TRUE(rebuilt == board->Masks());
        };
        ChangeStamps& changes = board->Changes();
        changes.FoundNothing(NakedPairInRow);
        EXPECT_EQ(changes.ChangedValues(NakedPairInRow), 0u);

        EXPECT_EQ(board->RemoveCandidates(CellIndex(2, 5), bitOf(4) | bitOf(40 % size + 1)),
                  bitOf(4) | bitOf(40 % size + 1));
        EXPECT_EQ(board->Cell(2, 5).candidateNbr, size - 2);
        EXPECT_EQ(board->RemoveCandidates(CellIndex(2, 5), bitOf(4)), 0u);
        expectTrue();
        EXPECT_TRUE(changes.UnitChanged(NakedPairInRow, RowUnit, 5));
        EXPECT_TRUE(changes.UnitChanged(NakedPairInRow, ColumnUnit, 2));
        EXPECT_TRUE(changes.UnitChanged(NakedPairInRow, BoxUnit, board->BoxIndex(2, 5)));
        EXPECT_FALSE(changes.UnitChanged(NakedPairInRow, RowUnit, 4));
        EXPECT_EQ(changes.ChangedValues(NakedPairInRow), bitOf(4) | bitOf(40 % size + 1));

        board->Place(size - 1, 0, 3);
        board->Fill(0, size - 1, 5);
        expectTrue();
        EXPECT_EQ(board->Masks().Placed(RowUnit, 0), bitOf(3));
        EXPECT_EQ(board->Masks().Empty(ColumnUnit, 0), fullMask(size - 1));
        EXPECT_EQ(board->Cell(size - 2, 0).candidateNbr, size - 1);
        // A guess leaves the cell's candidates and its peers' as they were.
        EXPECT_EQ(board->Cell(0, size - 1).candidateNbr, size);
        EXPECT_EQ(board->Cell(1, size - 1).candidateNbr, size);
        // Unstamped units stay passed over until a rebuild.
        changes.FoundNothing(NakedPairInRow);
        EXPECT_FALSE(changes.UnitChanged(NakedPairInRow, RowUnit, 0));
        board->RebuildMasks();
        EXPECT_TRUE(changes.UnitChanged(NakedPairInRow, RowUnit, 1));
        EXPECT_EQ(changes.ChangedValues(NakedPairInRow), fullMask(kMaxSize));
    }
}
}  // namespace
