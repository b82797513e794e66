// The cost of building the board picture for one paint: a 16 x 16 board whose empty cells show
// all sixteen marks, in solve mode at 100 % in a 1000 x 800 view, with and without a hint whose
// marks strike one candidate in every empty cell. The painter's replay is measured separately.

#include <benchmark/benchmark.h>

#include "MarkedBoard.h"
#include "platform/HeadlessPlatform.h"
#include "shell/BoardPicture.h"

namespace {
void BuildPicture(benchmark::State& state, bool withHint) {
    HeadlessPlatform platform;
    const auto board = MarkedBoard(platform);
    const ViewSettings settings;
    const HintMarks hint = withHint ? StrikeEveryCell(*board) : HintMarks{};
    BoardViewState view;
    view.entryMode = SolveMode;
    view.hint = &hint;
    view.hintShown = withHint;
    const BoardGeometry geometry(1000, 800, 16, 100);
    BoardPicture picture;
    for (auto _ : state) {
        picture.Build(*board, settings, view, geometry);
        benchmark::DoNotOptimize(picture.Shapes().data());
    }
    state.counters["shapes"] = static_cast<double>(picture.Shapes().size());
}
}  // namespace

BENCHMARK_CAPTURE(BuildPicture, marks16, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BuildPicture, marks16WithHint, true)->Unit(benchmark::kMicrosecond);
