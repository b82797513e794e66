// The wing, rectangle, colour, chain and guess routines on 16 x 16 boards, where their patterns
// can change far more cells than on 9 x 9: every change is recorded within the step's lists and
// the board stays consistent.

#include <random>

#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {
std::unique_ptr<SudokuBoard> LargeGuessBoard(HeadlessPlatform& platform) {
    auto board = OpenBoard(platform, 16);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) board->solution[CellIndex(x, y)].value = Grid16Value(x, y);
    board->solutionKnown = 1;
    return board;
}

TEST(LargeBoardLimits, GuessInAnOpenBoardListsEveryPeer) {
    HeadlessPlatform platform;
    SolveStep step;
    // A guess in an open board clears 39 peers.
    auto guess = LargeGuessBoard(platform);
    SetCandidates(*guess, 6, 9, "12");
    ASSERT_EQ(FindBruteForceGuess(*guess, step), 1);
    EXPECT_EQ(step.bruteForceGuess.peerListCount, 39);
    EXPECT_EQ(step.bruteForceGuess.peerCount, 39);
    EXPECT_EQ(step.bruteForceGuess.value, Grid16Value(6, 9));
}

// Random candidate states, mostly two to four candidates per cell. Extra candidates drawn from
// only four values make pairs repeat (rectangles, wings); drawn from all, they make chains.
void FillRandomly(SudokuBoard& board, std::mt19937& random, bool fewValues) {
    std::uniform_int_distribution<int> value(1, 16), fewValue(1, 4), shape(0, 9);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
            BoardCell& cell = board.Cell(x, y);
            const int kind = shape(random);
            if (kind == 0) {
                cell = {Grid16Value(x, y), Given, bitOf(Grid16Value(x, y)), 1};
                continue;
            }
            std::uint32_t mask = bitOf(Grid16Value(x, y));
            const int wanted = kind < 5 ? 2 : kind < 8 ? 3 : kind == 8 ? 4 : 12;
            while (BitCount(mask) < wanted)
                mask |= bitOf(fewValues && wanted < 12 ? fewValue(random) : value(random));
            cell = {-1, Empty, mask, BitCount(mask)};
        }
}

void ExpectWithinCapacity(const SolveStep& step) {
    EXPECT_LE(step.xWings.removalCount, static_cast<int>(step.xWings.removals.size()));
    EXPECT_LE(step.yWings.removalCount, static_cast<int>(step.yWings.removals.size()));
    EXPECT_LE(step.uniqueRectangle.removalCount,
              static_cast<int>(step.uniqueRectangle.removals.size()));
    EXPECT_LE(step.singleColours.removalCount,
              static_cast<int>(step.singleColours.removals.size()));
    EXPECT_LT(step.forcedChains.chainNodeCount, SolveStep::kChainCapacity);
    EXPECT_LE(step.forcedChains.resultCount, static_cast<int>(step.forcedChains.results.size()));
    EXPECT_LE(step.bruteForceGuess.peerListCount,
              static_cast<int>(step.bruteForceGuess.peers.size()));
}

TEST(LargeBoardLimits, RandomStatesStayConsistent) {
    const TechniqueRoutine routines[] = {FindUniqueRectangle, FindXWings,
                                         FindYWings,          FindSingleColours,
                                         FindForcedChains,    FindBruteForceGuess};
    HeadlessPlatform platform;
    std::mt19937 random(20261206);
    int steps = 0;
    for (int round = 0; round < 12; ++round)
        for (const TechniqueRoutine routine : routines) {
            auto board = LargeGuessBoard(platform);
            FillRandomly(*board, random, round % 2 == 0);
            SolveStep step;
            for (int repeat = 0; repeat < 40; ++repeat) {
                const CellGrid before = board->cells;
                if (!routine(*board, step)) break;
                ++steps;
                ExpectWithinCapacity(step);
                for (int i = 0; i < kGridCells; ++i) {
                    const BoardCell& cell = board->cells[i];
                    ASSERT_EQ(cell.candidateNbr, BitCount(cell.candidates)) << "cell " << i;
                    ASSERT_EQ(cell.candidates & ~before[i].candidates, 0u) << "cell " << i;
                }
            }
        }
    // The states are rich enough for the routines to act many times.
    EXPECT_GT(steps, 100);
}
}  // namespace
