#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
TEST(SingleColours, CellSeeingBothColoursLosesTheValue) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    // Conjugate pairs of 5: r1c2-r1c6 (row 1), r1c2-r8c2 (column 2), r8c2-r9c1 (box 7).
    PaintValue(*board, 5,
               ".x...x..."
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "...xxxxxx"
               ".x.xxxxxx"
               "x..xxxxxx");
    SolveStep step;
    // r9c6 sees r9c1 in its row and r1c6 in its column, which have opposite colours.
    EXPECT_EQ(RunRoutine(FindSingleColours, *board, step), "r9c6-5");
    EXPECT_EQ(step.technique, SingleColoursType1);
    const auto& colours = step.singleColours;
    EXPECT_EQ(colours.colourTechnique, SingleColoursType1);
    EXPECT_EQ(colours.value, 5);
    // The start is the second cell of the first conjugate row.
    EXPECT_EQ(colours.colour[5][0], 1);
    EXPECT_EQ(colours.colour[1][0], 2);
    EXPECT_EQ(colours.colour[1][7], 1);
    EXPECT_EQ(colours.colour[0][8], 2);
    EXPECT_EQ(colours.colour[5][8], 0);
    ASSERT_EQ(colours.removalCount, 1);
    EXPECT_EQ(colours.removals[0].column, 5);
    EXPECT_EQ(colours.removals[0].row, 8);
    EXPECT_EQ(RunRoutine(FindSingleColours, *board, step), "");
}

TEST(SingleColours, ColourTwiceInABoxIsFalseEverywhere) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform);
    // The chain r1c6 - r1c2 - r5c2 - r5c5 - r2c5 puts r1c6 and r2c5, both of the start's colour,
    // into box 2.
    PaintValue(*board, 5,
               ".x...x..."
               "x.xxxxxxx"
               "x.xx.xxxx"
               "x.xx.xxxx"
               ".x..x...."
               "x.xx.xxxx"
               "x.xx.xxxx"
               "x.xx.xxxx"
               "x.xx.xxxx");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindSingleColours, *board, step), "r1c6-5 r2c5-5 r5c2-5");
    EXPECT_EQ(step.technique, SingleColoursType2);
    EXPECT_EQ(step.singleColours.colourTechnique, SingleColoursType2);
    EXPECT_EQ(step.singleColours.falseColour, 1);
    ASSERT_EQ(step.singleColours.removalCount, 3);
    // The cells are listed too, row by row, so the step log names them.
    EXPECT_EQ(step.singleColours.removals[2].column, 1);
    EXPECT_EQ(step.singleColours.removals[2].row, 4);
}

TEST(SingleColours, ShortChainsAndLongRowsGiveNoStep) {
    HeadlessPlatform platform;
    SolveStep step;
    // Only the two cells of row 1 are linked.
    auto pair = OpenBoard(platform);
    PaintValue(*pair, 5, ".x...x...");
    EXPECT_EQ(RunRoutine(FindSingleColours, *pair, step), "");
    // The same chain as the type I case, but its first row has three places: no row starts it.
    auto board = OpenBoard(platform);
    PaintValue(*board, 5,
               ".x...x..x"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "x.xxxxxxx"
               "...xxxxxx"
               ".x.xxxxxx"
               "x..xxxxxx");
    EXPECT_EQ(RunRoutine(FindSingleColours, *board, step), "");
}
}  // namespace
