// Exhaustive solver on the thinned 16 x 16 boards of tests/data/thinned16.txt, at limit 2 (mode
// 3) and limit 50 (mode 2). One iteration solves every board once; the counters are the median
// and the worst time of one board in milliseconds over all iterations.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

namespace {
std::vector<BoardData> ReadThinnedBoards() {
    std::vector<BoardData> boards;
    std::ifstream input(std::string(RARUDUZ_TEST_DATA) + "/thinned16.txt");
    std::string line;
    while (std::getline(input, line)) {
        if (line.size() < 256 || line[0] == '#') continue;
        BoardData& data = boards.emplace_back();
        for (int i = 0; i < 256; ++i) {
            const std::string_view symbols = kValueSymbols;
            const auto symbol = symbols.find(line[i]);
            const int v = symbol == std::string_view::npos || symbol == 0 ? -1 : int(symbol);
            data.Cell(i % 16, i / 16) = {v, v == -1 ? Empty : Clue, 0, 0};
        }
    }
    return boards;
}

void SolveThinned16(benchmark::State& state, BruteForceMode mode) {
    const std::vector<BoardData> boards = ReadThinnedBoards();
    if (boards.empty()) {
        state.SkipWithError("tests/data/thinned16.txt missing");
        return;
    }
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    std::vector<double> milliseconds;
    for (auto _ : state)
        for (const BoardData& data : boards) {
            board->LoadRecord(data);
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(board->SolveBruteForce(mode));
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
        }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["worst_ms"] = milliseconds.back();
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(boards.size()));
}

BENCHMARK_CAPTURE(SolveThinned16, limit2, StopAtSecondSolution)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(SolveThinned16, limit50, CountToFifty)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
