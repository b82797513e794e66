// A full repaint of the board view as its paint event does it: the picture built from the board
// and replayed by a painter into an image of the view's size. The board is 16 x 16, every empty
// cell shows its marks and a hint is drawn. Sizes: the board area of the default window and of a
// maximised window on a 1920 x 1080 screen. Runs offscreen unless QT_QPA_PLATFORM is set.

#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "../MarkedBoard.h"
#include "platform/HeadlessPlatform.h"
#include "shell/BoardPicture.h"
#include "ui/PictureReplay.h"

namespace {
void Repaint(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    HeadlessPlatform platform;
    const auto board = MarkedBoard(platform);
    const HintMarks hint = StrikeEveryCell(*board);
    const ViewSettings settings;
    BoardViewState view;
    view.entryMode = SolveMode;
    view.hint = &hint;
    view.hintShown = true;
    const BoardGeometry geometry(width, height, 16, 100);
    BoardPicture picture;
    QImage image(width, height, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        picture.Build(*board, settings, view, geometry);
        PaintPicture(painter, picture.Shapes());
    }
    state.counters["cell"] = geometry.CellSize();
    state.counters["shapes"] = static_cast<double>(picture.Shapes().size());
}
}  // namespace

BENCHMARK(Repaint)->Args({690, 540})->Args({1560, 960})->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
