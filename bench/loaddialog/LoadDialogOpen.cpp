// Opening the load dialog on a puzzle data file of 10,000 boards: from building the dialog to
// its filled list painted, which includes the dialog's deliberate 100 ms wait before it reads
// the file; with --direct, the list is filled at once, so the wait is left out. Prints the
// milliseconds; run it several times for a median (bench/load_dialog.sh). The file is made in
// $RARUDUZ_HOME when missing, outside the timing.

#include <QApplication>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <string_view>

#include "files/PuzzleDataFile.h"
#include "ui/PuzzleDataLoadDialog.h"
#include "ui/QtPlatform.h"

namespace {
constexpr int kBoardNbr = 10000;
constexpr char kPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

bool MakeFile(Platform& platform) {
    std::vector<PuzzleRecord> records(kBoardNbr);
    for (int k = 0; k < kBoardNbr; ++k) {
        PuzzleRecord& record = records[k];
        record.name = "Board " + std::to_string(k + 1);
        record.description = "Generated board number " + std::to_string(k * 7919 % 100000);
        record.level = k % 7;
        for (char c : kPuzzle)
            if (c)
                record.cells.push_back(c == '.'
                                           ? StoredCell{-1, Empty}
                                           : StoredCell{static_cast<std::int8_t>(c - '0'), Clue});
    }
    return WriteDataFile(platform, PuzzleDataFilePath(platform), records, nullptr, false);
}

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QtPlatform platform;
    std::error_code error;
    if (!std::filesystem::exists(PuzzleDataFilePath(platform), error) && !MakeFile(platform))
        return 1;
    const bool direct = argc > 1 && std::string_view(argv[1]) == "--direct";
    const auto start = std::chrono::steady_clock::now();
    PuzzleDataLoadDialog dialog(platform, true, nullptr);
    dialog.show();
    QObject::connect(&dialog, &PuzzleDataLoadDialog::listFilled, &dialog, [&] {
        // With --direct the dialog's own timer may fill the list a second time before the quit.
        QObject::disconnect(&dialog, &PuzzleDataLoadDialog::listFilled, nullptr, nullptr);
        dialog.list->viewport()->repaint();
        const double elapsed = Since(start);
        if (dialog.list->model()->rowCount() != kBoardNbr) std::exit(1);
        std::printf("%.1f\n", elapsed);
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    if (direct) dialog.FillList();
    return QApplication::exec();
}
