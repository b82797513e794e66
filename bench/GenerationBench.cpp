// Generation timings. Seeds are fixed (--seed style: the generator's clock reads a constant), so
// every run makes the same boards. Graded runs report per-board median and 90th percentile and
// the attempts they took; run them with --benchmark_filter to pick levels.
//
//   raruduz_bench --benchmark_filter=Generat
//   raruduz_bench --benchmark_filter='GradedBoard/9/6'

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"
#include "generation/BoardGenerator.h"
#include "generation/GradedGeneration.h"
#include "generation/SpecialGeneration.h"
#include "platform/HeadlessPlatform.h"

namespace {
constexpr std::int64_t kSeed = 1'700'000'000;

// Thread CPU time, so that other work on a shared machine does not count.
double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const std::size_t index = static_cast<std::size_t>(fraction * (values.size() - 1) + 0.5);
    return values[index];
}

// One puzzle from the generator alone: a random solution and the removal pass.
void BM_Generate(benchmark::State& state) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = kSeed;
    BoardGenerator generator(platform);
    const int size = static_cast<int>(state.range(0));
    const int style = static_cast<int>(state.range(1));
    generator.prepare(size);
    for (auto _ : state) {
        generator.generate(size, style);
        benchmark::DoNotOptimize(generator.gridCell(1));
    }
}
BENCHMARK(BM_Generate)
    ->Args({9, 0})
    ->Args({9, 1})
    ->Args({16, 0})
    ->Args({16, 1})
    ->Unit(benchmark::kMillisecond);

// Boards of one size, level and style, one after another on one generator; args: size, level,
// style, boards. Counters: per-board CPU milliseconds (median, 90th percentile) and attempts.
void BM_GradedBoard(benchmark::State& state) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = kSeed;
    const int size = static_cast<int>(state.range(0));
    const int level = static_cast<int>(state.range(1));
    const int style = static_cast<int>(state.range(2));
    const int boards = static_cast<int>(state.range(3));
    GradedGenerator generator(platform);
    generator.Prepare(size);
    auto board = std::make_unique<SudokuBoard>(platform);
    std::vector<double> milliseconds, attempts;
    for (auto _ : state) {
        for (int k = 0; k < boards; ++k) {
            RunControl control;
            const double start = CpuMilliseconds();
            generator.Generate(*board, level, style, 0, &control);
            milliseconds.push_back(CpuMilliseconds() - start);
            attempts.push_back(control.attemptNbr);
        }
    }
    state.counters["median_ms"] = Percentile(milliseconds, 0.5);
    state.counters["p90_ms"] = Percentile(milliseconds, 0.9);
    state.counters["attempts_median"] = Percentile(attempts, 0.5);
    state.counters["attempts_max"] = Percentile(attempts, 1.0);
}
BENCHMARK(BM_GradedBoard)
    ->ArgNames({"size", "level", "style", "boards"})
    ->ArgsProduct({{9}, {VeryEasy, Easy, Medium, Hard, VeryHard, Fiendish}, {0, 1}, {30}})
    ->Args({16, VeryEasy, 0, 10})
    ->Args({16, VeryEasy, 1, 10})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// Attempts of the special search that find nothing (a technique the solver never reports), so
// every attempt runs the full check: generation, uniqueness, step solve.
void BM_SpecialAttempts(benchmark::State& state) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = kSeed;
    SpecialGeneration search(platform);
    search.Prepare(static_cast<int>(state.range(0)));
    SpecialCriteria criteria;
    criteria.techniqueId = UniqueRectangleType3;
    RunControl control;
    control.attemptLimit = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(search.Run(criteria, &control));
    state.counters["attempts_per_s"] =
        benchmark::Counter(static_cast<double>(control.attemptLimit) * state.iterations(),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SpecialAttempts)->Args({9, 200})->Args({16, 20})->Unit(benchmark::kMillisecond);
}  // namespace
