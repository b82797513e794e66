// Exhaustive-solver throughput at limit 2 (the uniqueness test) over the public puzzle sets.
// One iteration solves the whole set; items per second are puzzles per second. Run with
// --benchmark_repetitions=N to get a median; a set that is missing is reported as an error.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "PuzzleSets.h"
#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

namespace {
void SolveSetAtLimitTwo(benchmark::State& state, const char* fileName) {
    const std::vector<BoardData> puzzles = ReadPuzzleSet(state, fileName);
    if (puzzles.empty()) return;
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    int unique = 0;
    for (auto _ : state)
        for (const BoardData& puzzle : puzzles) {
            board->LoadRecord(puzzle);
            unique += board->SolveBruteForce(StopAtSecondSolution) == SolutionFound &&
                      board->solutionNbr == 1;
        }
    benchmark::DoNotOptimize(unique);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

BENCHMARK_CAPTURE(SolveSetAtLimitTwo, 17clue, "17clue_royle_49151.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveSetAtLimitTwo, magictour_top1465, "magictour_top1465.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveSetAtLimitTwo, forum_hardest_1106, "forum_hardest_1106_375.txt")
    ->Unit(benchmark::kMillisecond);
}  // namespace
