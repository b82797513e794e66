// Boards per second of the text import over the 17-clue collection (49151 boards, one a line).

#include <benchmark/benchmark.h>

#include "files/BoardImport.h"
#include "files/TextLineFile.h"
#include "platform/HeadlessPlatform.h"

namespace {
const char kCollection[] = RARUDUZ_SHARED_DATA "/17clue_royle_49151.txt";

// The file as read from disk and scanned, the records handed to a counter instead of kept.
void BM_ImportFile(benchmark::State& state) {
    HeadlessPlatform platform;
    std::int64_t boards = 0;
    for (auto _ : state) {
        TextLineFile file(platform);
        if (!file.OpenForRead(kCollection, false)) {
            state.SkipWithError("17clue_royle_49151.txt is missing");
            return;
        }
        int clueNbr = 0;
        const BoardScan scan =
            ScanBoardText(file.Text(), 0, [&clueNbr](const BoardData& r) { clueNbr += r.clueNbr; });
        benchmark::DoNotOptimize(clueNbr);
        boards += scan.boardNbr;
    }
    state.SetItemsProcessed(boards);
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond);

// The scan alone, on the text already in memory.
void BM_ScanText(benchmark::State& state) {
    HeadlessPlatform platform;
    TextLineFile file(platform);
    if (!file.OpenForRead(kCollection, false)) {
        state.SkipWithError("17clue_royle_49151.txt is missing");
        return;
    }
    std::int64_t boards = 0;
    for (auto _ : state) {
        int clueNbr = 0;
        const BoardScan scan =
            ScanBoardText(file.Text(), 0, [&clueNbr](const BoardData& r) { clueNbr += r.clueNbr; });
        benchmark::DoNotOptimize(clueNbr);
        boards += scan.boardNbr;
    }
    state.SetItemsProcessed(boards);
}
BENCHMARK(BM_ScanText)->Unit(benchmark::kMillisecond);
}  // namespace
