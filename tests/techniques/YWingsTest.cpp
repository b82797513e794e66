#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// Pivot r2c2 {1,2}, first wing r2c7 {1,3} on its row, second wing r8c2 {2,3} on its column.
std::unique_ptr<SudokuBoard> WingBoard(HeadlessPlatform& platform) {
    auto board = OpenBoard(platform);
    SetCandidates(*board, 1, 1, "12");
    SetCandidates(*board, 6, 1, "13");
    SetCandidates(*board, 1, 7, "23");
    return board;
}

TEST(YWings, TargetWhereTheWingLinesCrossLosesZ) {
    HeadlessPlatform platform;
    auto board = WingBoard(platform);
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "r8c7-3");
    EXPECT_EQ(step.technique, YWings);
    const auto& wing = step.yWings;
    EXPECT_EQ((std::array<int, 6>{wing.pivotColumn, wing.wing1Column, wing.wing2Column,
                                  wing.pivotRow, wing.wing1Row, wing.wing2Row}),
              (std::array<int, 6>{1, 6, 1, 1, 1, 7}));
    EXPECT_EQ((std::array<int, 3>{wing.valueA, wing.valueB, wing.valueZ}),
              (std::array<int, 3>{1, 2, 3}));
    ASSERT_EQ(wing.removalCount, 1);
    EXPECT_EQ(wing.removals[0].column, 6);
    EXPECT_EQ(wing.removals[0].row, 7);
    EXPECT_EQ(wing.removals[0].mask, static_cast<std::int32_t>(bitOf(3)));
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "");
}

TEST(YWings, PivotIsDroppedWhenItsFirstWingLeadsNowhere) {
    HeadlessPlatform platform;
    auto board = WingBoard(platform);
    SetCandidates(*board, 6, 7, "12456789");  // the target already lacks z
    // A second row wing r2c9 {2,4} with r9c2 {1,4} would clear 4 from r9c9, but only the first
    // wing of a pivot is tried.
    SetCandidates(*board, 8, 1, "24");
    SetCandidates(*board, 1, 8, "14");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "");
    SetCandidates(*board, 6, 1, "123456789");
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "r9c9-4");
    EXPECT_EQ(step.yWings.valueZ, 4);
}

TEST(YWings, BoxPassNeedsATwoCandidateCellBesideTheWing) {
    HeadlessPlatform platform;
    auto board = WingBoard(platform);
    SetCandidates(*board, 1, 7, "123456789");
    // Both r1c2 and r3c2 could be the second wing; the box pass takes r3c2 because r3c1 beside it
    // has two candidates and r1c1 has not.
    SetCandidates(*board, 1, 0, "23");
    SetCandidates(*board, 1, 2, "23");
    SetCandidates(*board, 0, 2, "56");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "r3c7-3");
    EXPECT_EQ(step.yWings.wing2Row, 2);
    // Without a two-candidate cell beside it the column pass takes the first row.
    SetCandidates(*board, 6, 2, "123456789");
    SetCandidates(*board, 0, 2, "123456789");
    EXPECT_EQ(RunRoutine(FindYWings, *board, step), "r1c7-3");
}
}  // namespace
