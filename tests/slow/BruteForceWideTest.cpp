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
