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
        int mode;
    } runs[] = {
        {"top95.txt", 95, 3},
        {"magictour_top1465.txt", 1465, 3},
        {"forum_hardest_1106_375.txt", 375, 1},
        {"serg_benchmark_10000.txt", 10000, 2},
        {"17clue_royle_49151.txt", 3000, 1},
    };
    for (const auto& run : runs) {
        const std::vector<std::string> puzzles = SamplePuzzles(run.file, run.count, 1);
        int compared = 0;
        for (const std::string& puzzle : puzzles)
            compared += ExpectSameAsReference(puzzle, run.mode, kNodeBudget);
        std::printf("%s mode %d: %d of %zu boards compared\n", run.file, run.mode, compared,
                    puzzles.size());
        if (!puzzles.empty()) {
            EXPECT_GT(compared, 0) << run.file;
        }
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
        for (int mode : {1, 3, 2}) {
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
