#include <gtest/gtest.h>

#include "BruteForceDifferential.h"
#include "ReferenceBruteForce.h"
#include "TestSupport.h"

namespace {
// Recursive steps of the literal search allowed per board; harder boards are skipped.
constexpr long kNodeBudget = 3000;
constexpr int kModes[] = {1, 3, 2};

const char kEmpty9[] =
    ".................................................................................";

// Compares every board of the sample in every mode; returns how many runs were compared.
int CompareSample(const std::vector<std::string>& puzzles, const BoardPreparation& prepare = {}) {
    int compared = 0;
    for (const std::string& puzzle : puzzles)
        for (int mode : kModes)
            compared += ExpectSameAsReference(puzzle, mode, kNodeBudget, prepare);
    return compared;
}

TEST(BruteForceSolver, MatchesReferenceOnPuzzleSets) {
    const struct {
        const char* file;
        std::size_t count, step;
    } sets[] = {
        {"17clue_royle_49151.txt", 40, 997},
        {"magictour_top1465.txt", 40, 31},
        {"forum_hardest_1106_375.txt", 30, 11},
        {"serg_benchmark_10000.txt", 40, 241},
        {"top95.txt", 30, 3},
    };
    for (const auto& set : sets) {
        const std::vector<std::string> puzzles = SamplePuzzles(set.file, set.count, set.step);
        if (puzzles.empty()) continue;
        const int compared = CompareSample(puzzles);
        std::printf("%s: %d of %zu runs compared\n", set.file, compared, puzzles.size() * 3);
    }
}
}  // namespace
