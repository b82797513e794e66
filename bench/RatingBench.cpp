// The rating of whole puzzle sets: RateBoard (an iterative human-like solve from the clues, then
// the level) on every puzzle of a set per iteration. "boards/s" is puzzles rated per second;
// "solved" the share the techniques finished. The ranking of the scores against published ratings
// and the CLI's throughput are measured by bench/rating_report.py.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "PuzzleSets.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

namespace {
template <typename Solve>
void OverSet(benchmark::State& state, const char* fileName, Solve solve) {
    const std::vector<BoardData> puzzles = ReadPuzzleSet(state, fileName);
    if (puzzles.empty()) return;
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    std::int64_t solved = 0;
    for (auto _ : state)
        for (const BoardData& puzzle : puzzles) {
            board->LoadRecord(puzzle);
            solved += solve(*board);
        }
    const double boards = static_cast<double>(puzzles.size()) * state.iterations();
    state.counters["boards/s"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
    state.counters["solved"] = static_cast<double>(solved) / boards;
}

void RateSet(benchmark::State& state, const char* fileName) {
    OverSet(state, fileName, [](SudokuBoard& board) { return board.RateBoard(); });
}

void ProgressiveSet(benchmark::State& state, const char* fileName) {
    auto statistics = std::make_unique<SolveStatistics>();
    OverSet(state, fileName, [&](SudokuBoard& board) {
        return SolveProgressive(board, *statistics) == SolutionFound ? 1 : 0;
    });
}
}  // namespace

BENCHMARK_CAPTURE(RateSet, top1465, "magictour_top1465.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RateSet, seRated, "se_rated_diabolical_39719.txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(ProgressiveSet, top1465, "magictour_top1465.txt")->Unit(benchmark::kMillisecond);
