// Renders the workbench window offscreen, a 9 x 9 board in solve mode with its first hint shown
// (a hidden pair), and saves it as a PNG: the README's screenshot. Settings stay in memory and
// the program folder is a temporary one, so the user's are never touched.
// Usage: raruduz_screenshot OUTPUT.png

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/MainDialog.h"

namespace {
constexpr char kBoard[] =
    "1.......2.3.4...5...6...7...5.8.4.......73......9...8.7.....6...4...8.9...2.....1";
}

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: raruduz_screenshot OUTPUT.png\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QTemporaryDir folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path().toStdString();
    SettingsStore store(platform);
    MainDialog window(platform, store);
    BoardData record;
    if (!ParseBoardText(kBoard, 0, record)) return 1;
    CRaruduzDoc& document = window.document();
    document.board().Initialise(record.size, 0, "Hidden Pair", "", &record, 0, 0);
    document.board().RecomputeCandidates();
    document.ResetHistory();
    window.resize(1000, 620);
    window.show();
    window.RunCommand(CommandId::Hint);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "raruduz_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
