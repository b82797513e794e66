#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// Value 5 in rows 2 and 5 only in columns 3 and 7.
const char kRowWing[] =
    "xxxxxxxxx"
    "..x...x.."
    "xxxxxxxxx"
    "xxxxxxxxx"
    "..x...x.."
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx";

TEST(XWings, RowWingClearsBothColumns) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    PaintValue(*board, 5, kRowWing);
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindXWings, *board, step),
              "r1c3-5 r1c7-5 r3c3-5 r3c7-5 r4c3-5 r4c7-5 r6c3-5 r6c7-5 r7c3-5 r7c7-5 r8c3-5 "
              "r8c7-5 r9c3-5 r9c7-5");
    EXPECT_EQ(step.technique, XWings);
    EXPECT_EQ(step.xWings.value, 5);
    EXPECT_EQ(CornerList(step.xWings.corners), (std::array<int, 8>{2, 6, 2, 6, 1, 1, 4, 4}));
    ASSERT_EQ(step.xWings.removalCount, 14);
    // Row by row, the first column before the second.
    EXPECT_EQ(step.xWings.removals[1].column, 6);
    EXPECT_EQ(step.xWings.removals[1].row, 0);
    EXPECT_EQ(step.xWings.removals[2].column, 2);
    EXPECT_EQ(step.xWings.removals[2].row, 2);
    EXPECT_EQ(step.xWings.removals[13].mask, static_cast<std::int32_t>(bitOf(5)));
    EXPECT_EQ(RunRoutine(FindXWings, *board, step), "");
}

TEST(XWings, ColumnWingClearsBothRows) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    PaintValue(*board, 5, kRowWing);
    Transpose(*board);
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindXWings, *board, step),
              "r3c1-5 r3c3-5 r3c4-5 r3c6-5 r3c7-5 r3c8-5 r3c9-5 r7c1-5 r7c3-5 r7c4-5 r7c6-5 "
              "r7c7-5 r7c8-5 r7c9-5");
    EXPECT_EQ(step.xWings.corners[1].column, 1);
    EXPECT_EQ(step.xWings.corners[1].row, 6);
    EXPECT_EQ(step.xWings.corners[2].column, 4);
    EXPECT_EQ(step.xWings.corners[2].row, 2);
    // Column by column, the first row before the second.
    EXPECT_EQ(step.xWings.removals[1].column, 0);
    EXPECT_EQ(step.xWings.removals[1].row, 6);
}

TEST(XWings, WingWithNothingToRemoveIsPassedOver) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    PaintValue(*board, 5,
               "xx.xxx.xx"
               "..x...x.."
               "xx.xxx.xx"
               "xx.xxx.xx"
               "..x...x.."
               "xx.xxx.xx"
               "xx.xxx.xx"
               "xx.xxx.xx"
               "xx.xxx.xx");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindXWings, *board, step), "");
    // A later wing of a higher value is still found.
    PaintValue(*board, 6,
               "xx......."
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xx.......");
    EXPECT_EQ(RunRoutine(FindXWings, *board, step),
              "r2c1-6 r2c2-6 r3c1-6 r3c2-6 r4c1-6 r4c2-6 r5c1-6 r5c2-6 r6c1-6 r6c2-6 r7c1-6 "
              "r7c2-6 r8c1-6 r8c2-6");
    EXPECT_EQ(step.xWings.value, 6);
}

// Rows 1 and 2 hold value 5 in columns 2, 5 and 3, 6: boxes 1 and 2 in both rows.
const char kBandWing[] =
    ".x..x...."
    "..x..x..."
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx"
    "xxxxxxxxx";

TEST(XWings, TwoRowsOfABandClearTheirBoxes) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    PaintValue(*board, 5, kBandWing);
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindXWings, *board, step), "r3c1-5 r3c2-5 r3c3-5 r3c4-5 r3c5-5 r3c6-5");
    EXPECT_EQ(CornerList(step.xWings.corners), (std::array<int, 8>{1, 4, 2, 5, 0, 0, 1, 1}));
    EXPECT_EQ(step.xWings.removalCount, 6);
}

TEST(XWings, TwoColumnsOfAStackClearTheirBoxes) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    PaintValue(*board, 5, kBandWing);
    Transpose(*board);
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindXWings, *board, step), "r1c3-5 r2c3-5 r3c3-5 r4c3-5 r5c3-5 r6c3-5");
    EXPECT_EQ(CornerList(step.xWings.corners), (std::array<int, 8>{0, 0, 1, 1, 1, 4, 2, 5}));
    // The box of the first corner, column-major, then the box of the second.
    EXPECT_EQ(step.xWings.removals[2].row, 2);
    EXPECT_EQ(step.xWings.removals[3].row, 3);
}
}  // namespace
