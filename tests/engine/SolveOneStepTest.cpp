#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/HumanLikeSolving.h"
#include "techniques/TechniqueTable.h"
#include "techniques/UnitQueries.h"

namespace {
TEST(SolveOneStep, PlacesAndRecounts) {
    HeadlessPlatform platform;
    auto board =
        MakeBoard(platform,
                  "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5"
                  "....8..79");
    SolveStep step;
    ASSERT_EQ(SolveOneStep(*board, step), 1);
    EXPECT_EQ(step.technique, SingleInBox);
    EXPECT_EQ(board->givenNbr, 1);
    EXPECT_EQ(board->emptyNbr, 81 - 30 - 1);
}

// Value 6 of row 0 lies in box 0 only, value 4 of column 8 in box 8 only; nothing simpler
// applies, so the two box line reductions compete.
TEST(SolveOneStep, TriesTheColumnBoxLineReductionFirst) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(81, '.'));
    for (int i = 3; i < 9; ++i) {
        board->RemoveCandidates(CellIndex(i, 0), bitOf(6));
        board->RemoveCandidates(CellIndex(8, i - 3), bitOf(4));
    }
    auto copy = MakeBoard(platform, std::string(81, '.'));
    copy->cells = board->cells;

    SolveStep step;
    ASSERT_EQ(SolveOneStep(*board, step), 1);
    EXPECT_EQ(step.technique, BoxLineReductionInColumn);
    EXPECT_EQ(step.boxLine.value, 4);

    // The drivers' own order meets the row reduction first.
    for (const OrderedRoutine& routine : kDriverOrder)
        if (routine.find(*copy, step) == 1) break;
    EXPECT_EQ(step.technique, BoxLineReductionInRow);
    EXPECT_EQ(step.boxLine.value, 6);
}
}  // namespace
