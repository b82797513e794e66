#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// Corners r1c1, r1c5, r2c1, r2c5 (boxes 1 and 2) with the given candidates.
std::unique_ptr<SudokuBoard> RectangleBoard(HeadlessPlatform& platform, const char* topLeft,
                                            const char* topRight, const char* bottomLeft,
                                            const char* bottomRight) {
    auto board = OpenBoard(platform);
    SetCandidates(*board, 0, 0, topLeft);
    SetCandidates(*board, 4, 0, topRight);
    SetCandidates(*board, 0, 1, bottomLeft);
    SetCandidates(*board, 4, 1, bottomRight);
    return board;
}

TEST(UniqueRectangle, TypeOneClearsThePairFromTheFourthCorner) {
    HeadlessPlatform platform;
    auto board = RectangleBoard(platform, "12", "12", "12", "127");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step), "r2c5-12");
    EXPECT_EQ(step.technique, UniqueRectangleType1);
    const auto& rectangle = step.uniqueRectangle;
    EXPECT_EQ(rectangle.valueA, 1);
    EXPECT_EQ(rectangle.valueB, 2);
    EXPECT_EQ(rectangle.pairMask, 3);
    EXPECT_EQ(CornerList(rectangle.corners), (std::array<int, 8>{0, 0, 4, 4, 0, 1, 0, 1}));
    EXPECT_EQ(rectangle.targetColumn, 4);
    EXPECT_EQ(rectangle.targetRow, 1);
    EXPECT_EQ(board->Cell(4, 1).candidateNbr, 1);
}

TEST(UniqueRectangle, PatternsThatGiveNoStep) {
    HeadlessPlatform platform;
    SolveStep step;
    // The deadly pattern itself: nothing to conclude.
    auto bivalue = RectangleBoard(platform, "12", "12", "12", "12");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *bivalue, step), "");
    // Corners in four boxes: r1c1, r1c5, r5c1, r5c5.
    auto spread = OpenBoard(platform);
    SetCandidates(*spread, 0, 0, "12");
    SetCandidates(*spread, 4, 0, "12");
    SetCandidates(*spread, 0, 4, "12");
    SetCandidates(*spread, 4, 4, "127");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *spread, step), "");
    // Two extra corners on a diagonal, or a roof cell with four candidates.
    auto diagonal = RectangleBoard(platform, "12", "127", "127", "12");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *diagonal, step), "");
    auto wideRoof = RectangleBoard(platform, "12", "12", "127", "1278");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *wideRoof, step), "");
    auto unequalRoof = RectangleBoard(platform, "12", "12", "127", "128");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *unequalRoof, step), "");
}

TEST(UniqueRectangle, TypeTwoClearsZFromTheRoofLine) {
    HeadlessPlatform platform;
    auto board = RectangleBoard(platform, "12", "12", "127", "127");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step),
              "r2c2-7 r2c3-7 r2c4-7 r2c6-7 r2c7-7 r2c8-7 r2c9-7");
    EXPECT_EQ(step.technique, UniqueRectangleType2);
    const auto& rectangle = step.uniqueRectangle;
    EXPECT_EQ(rectangle.extraValue, 7);
    EXPECT_EQ(CornerList(rectangle.roofCorners), (std::array<int, 8>{0, 0, 4, 4, 0, 1, 0, 1}));
    ASSERT_EQ(rectangle.removalCount, 7);
    EXPECT_EQ(rectangle.removals[3].column, 5);
    EXPECT_EQ(rectangle.removals[3].row, 1);
    EXPECT_EQ(rectangle.removals[3].mask, static_cast<std::int32_t>(bitOf(7)));
}

TEST(UniqueRectangle, RoofLineWithoutZIsPassedOver) {
    HeadlessPlatform platform;
    auto board = RectangleBoard(platform, "12", "12", "127", "127");
    PaintValue(*board, 7,
               "xxxxxxxxx"
               "x...x...."
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx"
               "xxxxxxxxx");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step), "");
    // A later rectangle on rows 7 and 8 is still found.
    SetCandidates(*board, 0, 6, "34");
    SetCandidates(*board, 4, 6, "34");
    SetCandidates(*board, 0, 7, "34");
    SetCandidates(*board, 4, 7, "345");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step), "r8c5-34");
}
TEST(UniqueRectangle, FourthCornerWithoutThePairEndsTheColumn) {
    HeadlessPlatform platform;
    // Bivalue r1c1, r1c2 and the roof r6c1, r6c2 {1,2,7}: a type II rectangle over boxes 1 and 4.
    auto board = OpenBoard(platform);
    SetCandidates(*board, 0, 0, "12");
    SetCandidates(*board, 1, 0, "12");
    SetCandidates(*board, 0, 5, "127");
    SetCandidates(*board, 1, 5, "127");
    // From r1c1 the corner r2c2 lacks the pair, from r1c2 the corner r3c1 does: both searches
    // leave the column before reaching row 6.
    SetCandidates(*board, 1, 1, "34");
    SetCandidates(*board, 0, 2, "34");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step), "");
    SetCandidates(*board, 1, 1, "123456789");
    EXPECT_EQ(RunRoutine(FindUniqueRectangle, *board, step),
              "r6c3-7 r6c4-7 r6c5-7 r6c6-7 r6c7-7 r6c8-7 r6c9-7");
}
}  // namespace
