// The Hint command's work, one hint at a time, over the hardest public puzzles: the next step
// (SolveOneStep), what it shows (ShowStep), the board's hint marks and the Hint Data page. Each
// puzzle is turned to solve mode first, as the window does, so the guess can act once the
// techniques run out; that preparation is not timed. Every hint until the board is solved or
// stuck is one sample: besides the mean per hint, the counters give the median, the 99th
// percentile and the slowest hint in milliseconds, and the median of the hints that needed more
// than a single.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "PuzzleSets.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"
#include "shell/HintDataTexts.h"
#include "shell/HintMarks.h"
#include "techniques/TechniqueTable.h"

namespace {
double Milliseconds(std::chrono::steady_clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Quantile(std::vector<double>& samples, double q) {
    const auto at = samples.begin() + static_cast<std::ptrdiff_t>(q * (samples.size() - 1));
    std::nth_element(samples.begin(), at, samples.end());
    return *at;
}

void Hint(benchmark::State& state, const char* fileName) {
    const std::vector<BoardData> puzzles = ReadPuzzleSet(state, fileName);
    if (puzzles.empty()) return;
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    auto doc = std::make_unique<CRaruduzDoc>(*board);
    auto display = std::make_unique<StepDisplay>();
    auto marks = std::make_unique<HintMarks>();
    std::vector<double> samples, beyondSingles;
    for (auto _ : state)
        for (const BoardData& puzzle : puzzles) {
            state.PauseTiming();
            board->LoadRecord(puzzle);
            board->RecomputeCandidates();
            board->PrepareShowMistakes();
            state.ResumeTiming();
            for (;;) {
                const auto start = std::chrono::steady_clock::now();
                if (SolveOneStep(*board, doc->step) == 0) break;
                doc->view.hintShown = true;
                ShowStep(doc->step, *display);
                BuildHintMarks(*display, *board, *marks);
                const HintDataTexts texts = HintDataOf(*doc);
                benchmark::DoNotOptimize(texts.rows.data());
                samples.push_back(Milliseconds(std::chrono::steady_clock::now() - start));
                if (doc->step.technique > NakedSingle) beyondSingles.push_back(samples.back());
            }
        }
    state.SetItemsProcessed(static_cast<std::int64_t>(samples.size()));
    state.counters["median_ms"] = Quantile(samples, 0.5);
    state.counters["p99_ms"] = Quantile(samples, 0.99);
    state.counters["max_ms"] = *std::max_element(samples.begin(), samples.end());
    if (!beyondSingles.empty())
        state.counters["beyond_singles_median_ms"] = Quantile(beyondSingles, 0.5);
}
}  // namespace

BENCHMARK_CAPTURE(Hint, forum_hardest, "forum_hardest_1106_375.txt")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
