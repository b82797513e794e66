#include "cli/StepEffects.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {
TEST(StepEffects, PlacementsAndRemovalsInReadingOrder) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(256, '.'));
    const CellGrid before = board->cells;
    // Row 12, column 3 loses 10 and 16; row 2, column 15 gets 11, which its peers lose with it;
    // the non-peer (0, 5) also loses 11 and is listed.
    board->Cell(2, 11).candidates &= ~(bitOf(10) | bitOf(16));
    board->Cell(14, 1).value = 11;
    board->PlaceAndPropagate(14, 1);
    board->Cell(0, 5).candidates &= ~bitOf(11);
    EXPECT_EQ(StepEffectsText(CollectStepEffects(*board, before, board->cells)),
              "r2c15=B r6c1-B r12c3-AG");
    EXPECT_EQ(StepEffectsText(CollectStepEffects(*board, before, before)), "");
}
}  // namespace
