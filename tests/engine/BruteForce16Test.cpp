// The exhaustive solver on thinned 16 x 16 boards, where its literal reference rarely finishes:
// checked against the independent counter instead.

#include <gtest/gtest.h>

#include "BruteForceDifferential.h"
#include "GridCounter.h"
#include "TestSupport.h"

namespace {
constexpr long kCounterBudget = 200000;

std::vector<std::string> ThinnedBoards(std::size_t count) {
    return ReadPuzzleLines(std::string(RARUDUZ_TEST_DATA) + "/thinned16.txt", count);
}

TEST(BruteForce16, CounterCountsAndOrdersSolutions) {
    // kSmallestGrid-like: two solutions that differ by a swap of 1 and 2 in rows 0 and 3.
    const char twoSolutions[] =
        "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
    std::vector<int> puzzle, first, second;
    for (char c : std::string(twoSolutions)) puzzle.push_back(c == '.' ? 0 : c - '0');
    first = second = puzzle;
    first[0] = second[1] = second[27] = first[28] = 1;
    first[1] = second[0] = first[27] = second[28] = 2;
    EXPECT_EQ(CountCompletions(puzzle, 9, 50, kCounterBudget).count, 2);
    EXPECT_EQ(CountCompletions(puzzle, 9, 1, kCounterBudget).count, 1);
    EXPECT_EQ(CountSolutionsBelow(puzzle, first, 9, 50, kCounterBudget).count, 0);
    EXPECT_EQ(CountSolutionsBelow(puzzle, second, 9, 50, kCounterBudget).count, 1);
    EXPECT_EQ(CountCompletions(std::vector<int>(81, 0), 9, 100, kCounterBudget).count, 100);
    // A clue repeated in a row: nothing to complete.
    puzzle[2] = 1;
    EXPECT_EQ(CountCompletions(puzzle, 9, 50, kCounterBudget).count, 0);
}

TEST(BruteForce16, SolvesThinnedBoardsInOrder) {
    // The first board once kept the search busy for minutes; the next five too, but the counter
    // needs long to vouch for them, which the slow tests do.
    const std::vector<std::string> boards = ThinnedBoards(8);
    ASSERT_EQ(boards.size(), 8u);
    int checked = 0;
    for (const std::string& board : {boards[0], boards[6], boards[7]})
        for (BruteForceMode mode : {StopAtFirstSolution, StopAtSecondSolution, CountToFifty})
            checked += ExpectSoundOutcome(board, mode, kCounterBudget);
    EXPECT_EQ(checked, 9);
    // Where the literal search finishes, it agrees to the last field.
    const std::string halfFull = Grid16().replace(0, 128, std::string(128, '.'));
    EXPECT_TRUE(ExpectSameAsReference(halfFull, CountToFifty, 3000));
}
}  // namespace
