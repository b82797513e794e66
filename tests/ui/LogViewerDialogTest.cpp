// The log viewer offscreen: its frame and font, the 250 ms read, copying lines, and the messages
// of a file that cannot be shown.

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "platform/HeadlessPlatform.h"
#include "ui/LogViewerDialog.h"

class LogViewerDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheFileLineByLineAfterAQuarterSecond();
    void unreadableAndEmptyFilesAreReported();
};

namespace {
std::filesystem::path Write(const QTemporaryDir& dir, const char* name, const std::string& bytes) {
    const std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}
}  // namespace

void LogViewerDialogTest::showsTheFileLineByLineAfterAQuarterSecond() {
    QTemporaryDir dir;
    HeadlessPlatform platform;
    const auto path =
        Write(dir, "SolveLog.txt", "Board Processing Log Data \r\n\r\nOriginal \xE9\r\nlast\r\n");
    LogViewerDialog viewer(platform, path, nullptr);
    QCOMPARE(viewer.windowTitle(), QString("View Log File"));
    QCOMPARE(viewer.findChild<QGroupBox*>()->title(), QString(" Board Solving Log "));
    QCOMPARE(viewer.lines->font().family(), QString("Courier New"));
    QCOMPARE(viewer.lines->font().pointSize(), 12);
    viewer.show();
    QTest::qWait(150);
    QCOMPARE(viewer.lines->model()->rowCount(), 0);
    QTRY_COMPARE(viewer.lines->model()->rowCount(), 4);
    QCOMPARE(viewer.lines->model()->index(2, 0).data().toString(), QString("Original \u00E9"));
    QCOMPARE(platform.busyDepth, 0);

    viewer.lines->selectionModel()->select(
        QItemSelection(viewer.lines->model()->index(2, 0), viewer.lines->model()->index(3, 0)),
        QItemSelectionModel::Select);
    QTest::keySequence(viewer.lines, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QString("Original \u00E9\nlast\n"));
    QVERIFY(platform.messages.empty());
}

void LogViewerDialogTest::unreadableAndEmptyFilesAreReported() {
    QTemporaryDir dir;
    HeadlessPlatform platform;
    LogViewerDialog missing(platform, std::filesystem::path(dir.path().toStdString()) / "missing",
                            nullptr);
    missing.show();
    QTRY_COMPARE(platform.messages.size(), 1u);
    QCOMPARE(platform.messages[0], std::string("Unable to Read Log File !!! End of Job ..."));
    LogViewerDialog empty(platform, Write(dir, "BatchProcData.txt", ""), nullptr);
    empty.show();
    QTRY_COMPARE(platform.messages.size(), 2u);
    QCOMPARE(platform.messages[1], std::string("Unable to Read Log File ... "));
    QCOMPARE(empty.lines->model()->rowCount(), 0);
}

QTEST_MAIN(LogViewerDialogTest)
#include "LogViewerDialogTest.moc"
