#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// Start r1c1 {1,2}. With 1: r1c5 {1,3} takes 3, so r6c5 {3,4} takes 4. With 2: r6c1 {2,y} takes
// y, then row 6 leads on to r6c5.
std::unique_ptr<SudokuBoard> ChainBoard(HeadlessPlatform& platform, const char* sixthRowFirst) {
    auto board = OpenBoard(platform);
    SetCandidates(*board, 0, 0, "12");
    SetCandidates(*board, 4, 0, "13");
    SetCandidates(*board, 4, 5, "34");
    SetCandidates(*board, 0, 5, sixthRowFirst);
    return board;
}

TEST(ForcedChains, BothBranchesAgreeOnACell) {
    HeadlessPlatform platform;
    // With 2: r6c1 {2,5} takes 5, r6c8 {3,5} takes 3, r6c5 takes 4.
    auto board = ChainBoard(platform, "25");
    SetCandidates(*board, 7, 5, "35");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindForcedChains, *board, step), "r6c5-3");
    EXPECT_EQ(step.technique, ForcedChains);
    const auto& chains = step.forcedChains;
    EXPECT_EQ(chains.startColumn, 0);
    EXPECT_EQ(chains.startRow, 0);
    // Chain B is the last one built: root, r6c1, r6c8, r6c5.
    EXPECT_EQ(chains.chainNodeCount, 3);
    EXPECT_EQ(chains.chainA[0].parent, -1);
    EXPECT_EQ(chains.chainA[2].column, 4);
    EXPECT_EQ(chains.chainA[2].row, 5);
    EXPECT_EQ(chains.chainA[2].value, 4);
    EXPECT_EQ(chains.chainA[2].excludedValue, 3);
    EXPECT_EQ(chains.chainA[2].parent, 1);
    EXPECT_EQ(chains.chainA[3].column, -1);
    ASSERT_EQ(chains.resultCount, 1);
    const auto& result = chains.results[0];
    EXPECT_EQ((std::array<int, 6>{result.column, result.row, result.parentA, result.parentB,
                                  result.value, result.excludedMask}),
              (std::array<int, 6>{4, 5, 1, 2, 4, static_cast<int>(bitOf(3))}));
    EXPECT_EQ(board->Cell(4, 5).candidateNbr, 1);
}

TEST(ForcedChains, BranchesThatDisagreeProveNothing) {
    HeadlessPlatform platform;
    // With 2: r6c1 {2,4} takes 4, so r6c5 takes 3, where branch A put 4.
    auto board = ChainBoard(platform, "24");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindForcedChains, *board, step), "");
    // A start whose values force nothing is passed over as well.
    auto lonely = OpenBoard(platform);
    SetCandidates(*lonely, 3, 3, "12");
    EXPECT_EQ(RunRoutine(FindForcedChains, *lonely, step), "");
}

// A 16 x 16 board where every cell has two candidates, value v and v + 1 of a valid grid: each
// value forces one neighbour in every unit, so chains run far beyond their capacity.
TEST(ForcedChains, LongChainsStopAtTheNodeLimit) {
    HeadlessPlatform platform;
    auto board = OpenBoard(platform, 16);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            const int v = (4 * (y % 4) + y / 4 + x) % 16 + 1;
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
