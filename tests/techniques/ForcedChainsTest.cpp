#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// A 16 x 16 board where every cell has two candidates, value v and v + 1 of a valid grid: each
// value forces one neighbour in every unit, so chains run far beyond their capacity.
TEST(ForcedChains, LongChainsStopAtTheNodeLimit) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform, 16);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            const int v = Grid16Value(x, y);
            BoardCell& cell = board->Cell(x, y);
            cell.candidates = bitOf(v) | bitOf(v % 16 + 1);
            cell.candidateNbr = 2;
        }
    SolveStep step;
    // The two branches colour the board in opposite ways, so they never agree.
    EXPECT_EQ(RunRoutine(FindForcedChains, *board, step), "");
    EXPECT_EQ(step.forcedChains.chainNodeCount, SolveStep::kChainCapacity - 1);
    EXPECT_NE(step.forcedChains.chainA.back().column, -1);
    EXPECT_NE(step.forcedChains.chainB.back().column, -1);
}
}  // namespace
