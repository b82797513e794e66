// The exhaustive solver against its literal reference over whole puzzle sets, in every limit.
// Boards on which the reference needs more than the node budget are skipped; how many were
// compared is printed.

#include <gtest/gtest.h>

#include <cstdio>

#include "BruteForceDifferential.h"
#include "TestSupport.h"

namespace {
constexpr long kNodeBudget = 20000;

TEST(BruteForceWide, MatchesReferenceOnWholeSets) {
    const struct {
        const char* file;
        std::size_t count;
        BruteForceMode mode;
    } runs[] = {
        {"top95.txt", 95, StopAtSecondSolution},
        {"magictour_top1465.txt", 1465, StopAtSecondSolution},
        {"forum_hardest_1106_375.txt", 375, StopAtFirstSolution},
        {"serg_benchmark_10000.txt", 10000, CountToFifty},
        {"17clue_royle_49151.txt", 3000, StopAtFirstSolution},
    };
    for (const auto& run : runs) {
        const std::vector<std::string> puzzles =
            ReadPuzzleLines(std::string(RARUDUZ_SHARED_DATA) + "/" + run.file, run.count);
        if (puzzles.empty()) GTEST_SKIP() << run.file << " is not available";
        int compared = 0;
        for (const std::string& puzzle : puzzles)
            compared += ExpectSameAsReference(puzzle, run.mode, kNodeBudget);
        std::printf("%s mode %d: %d of %zu boards compared\n", run.file, run.mode, compared,
                    puzzles.size());
        EXPECT_GT(compared, 0) << run.file;
    }
}
}  // namespace

namespace {
TEST(BruteForceWide, ThinnedBoardsInEveryLimit) {
    // Where the literal search finishes, the same to the last field; elsewhere the independent
    // counter vouches for the count and the order.
    const std::vector<std::string> boards =
        ReadPuzzleLines(std::string(RARUDUZ_TEST_DATA) + "/thinned16.txt", 1000);
    ASSERT_FALSE(boards.empty());
    int compared = 0, counted = 0;
    for (const std::string& board : boards)
        for (BruteForceMode mode : {StopAtFirstSolution, StopAtSecondSolution, CountToFifty}) {
            if (ExpectSameAsReference(board, mode, kNodeBudget))
                ++compared;
            else
                counted += ExpectSoundOutcome(board, mode, 2000000);
        }
    std::printf("thinned16: %d runs compared, %d counted, of %zu\n", compared, counted,
                3 * boards.size());
    EXPECT_EQ(compared + counted, static_cast<int>(3 * boards.size()));
}
}  // namespace
