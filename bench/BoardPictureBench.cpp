// The cost of building the board picture for one paint: a 16 x 16 board whose empty cells show
// all sixteen marks, in solve mode at 100 % in a 1000 x 800 view, with and without a hint whose
// marks strike one candidate in every empty cell. The painter's replay is measured separately.

#include <benchmark/benchmark.h>

#include <memory>

#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"
#include "shell/BoardPicture.h"

namespace {
// Every fourth cell of a valid 16 x 16 grid is a clue; the others are empty with every
// candidate, so each shows sixteen marks.
std::unique_ptr<SudokuBoard> MarkedBoard(HeadlessPlatform& platform) {
    auto board = std::make_unique<SudokuBoard>(platform);
    board->Initialise(16, 0, "", "", nullptr, 0, 0);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column) {
            BoardCell& cell = board->Cell(column, row);
            if ((column + row) % 4 == 0)
                cell = {(4 * (row % 4) + row / 4 + column) % 16 + 1, Clue, 0, 0};
            else
                cell = {-1, Empty, fullMask(16), 16};
        }
    return board;
}

void BuildPicture(benchmark::State& state, bool withHint) {
    HeadlessPlatform platform;
    const auto board = MarkedBoard(platform);
    const ViewSettings settings;
    HintMarks hint;
    hint.frames = {{{1, 1}, kHintFrameColour}};
    hint.eliminationColumns = {0, 2, 3};
    hint.eliminationRows = {0, 2};
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (withHint && board->Cell(column, row).IsEmpty()) {
                board->Cell(column, row).candidates &= ~bitOf(16);
                hint.removed[CellIndex(column, row)] = bitOf(16);
            }
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
