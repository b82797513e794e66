#include "cli/StepEffects.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {
TEST(StepEffects, PlacementsAndRemovalsInReadingOrder) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(256, '.'));
    const CellGrid before = board->cells;
    // Row 12, column 3 loses 10 and 16; row 2, column 15 gets 11, which its peers lose with it;
    // the non-peer (0, 5) also loses 11 and is listed either way.
    board->Cell(2, 11).candidates &= ~(bitOf(10) | bitOf(16));
    board->Cell(14, 1).value = 11;
    board->PlaceAndPropagate(14, 1);
    board->Cell(0, 5).candidates &= ~bitOf(11);
    EXPECT_EQ(
        StepEffectsText(CollectStepEffects(*board, before, board->cells, ImpliedRemovals::Omitted)),
        "r2c15=B r6c1-B r12c3-AG");
    const std::string listed =
        StepEffectsText(CollectStepEffects(*board, before, board->cells, ImpliedRemovals::Listed));
    EXPECT_EQ(listed.substr(0, 32), "r1c13-B r1c14-B r1c15-B r1c16-B ");
    EXPECT_NE(listed.find("r2c1-B r2c2-B"), std::string::npos);
    EXPECT_NE(listed.find("r2c15=B r2c16-B"), std::string::npos);
    EXPECT_NE(listed.find("r6c1-B"), std::string::npos);
    EXPECT_NE(listed.find("r16c15-B"), std::string::npos);
    EXPECT_EQ(listed.find("r3c1-B"), std::string::npos);  // not a peer
    EXPECT_EQ(StepEffectsText(CollectStepEffects(*board, before, before, ImpliedRemovals::Listed)),
              "");
}
}  // namespace
