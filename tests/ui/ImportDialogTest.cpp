// The import dialog offscreen over a headless platform: file chooser and clipboard answered from
// queues, message boxes recorded, the batch report written into a temporary program folder.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "TestSupport.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/ImportDialog.h"
#include "ui/LogViewerDialog.h"
#include "ui/MainDialog.h"

class ImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensEmptyThenListsAndFollowsTheSelection();
    void theChoosersCancelClosesOnlyAtOpening();
    void aBatchRunsWhileTheWindowStaysLive();
    void cancelAndClosingKeepTheOldReport();
    void theClipboardEmptyBinaryOrHuge();
    void theMenuCommandTakesTheChosenBoard();
};

namespace {
std::string Puzzles(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::string(kClassicPuzzle) + "\r\n";
    return text;
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
std::string Read(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct Folder {
    Folder() { platform.programFolder = dir.path().toStdString(); }
    std::filesystem::path operator/(const char* name) const {
        return platform.programFolder / name;
    }
    QTemporaryDir dir;
    HeadlessPlatform platform;
};

void SelectRows(ImportDialog& dialog, int first, int last) {
    QAbstractItemModel* model = dialog.list->model();
    dialog.list->selectionModel()->select(
        QItemSelection(model->index(first, 0), model->index(last, 0)),
        QItemSelectionModel::ClearAndSelect);
}

// Opens the dialog on a file and waits for its list.
void OpenOn(ImportDialog& dialog, const char* boardNbr) {
    dialog.show();
    QTRY_COMPARE(dialog.boardNbr->text(), QString(boardNbr));
}
}  // namespace

void ImportDialogTest::opensEmptyThenListsAndFollowsTheSelection() {
    Folder folder;
    std::string text = Puzzles(4);
    text.replace(83 * 2 + 2, 1, "1");  // one more clue in the third board
    Write(folder / "four.sdk", text);
    folder.platform.fileChoices.push_back(folder / "four.sdk");
    ImportDialog dialog(folder.platform, ImportSource::File, 0);
    QCOMPARE(dialog.windowTitle(), QString("Import Board Data from Text File"));
    QCOMPARE(dialog.list->font().family(), QString("Courier New"));
    QVERIFY(!dialog.importSelected->isEnabled());
    QVERIFY(!dialog.startBatch->isEnabled());
    QVERIFY(!dialog.viewResults->isEnabled());
    QVERIFY(dialog.selectAll->isEnabled() && dialog.browse->isEnabled());
    QCOMPARE(dialog.boardNbr->text(), QString());
    QCOMPARE(dialog.selectedNbr->text(), QString());

    OpenOn(dialog, "4");
    QCOMPARE(folder.platform.fileChooserTitles.size(), 1u);
    QCOMPARE(dialog.list->model()->rowCount(), 4);
    QCOMPARE(dialog.list->model()->index(2, 0).data().toString(),
             QString("531.7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5...."
                     "8..79"));
    QCOMPARE(dialog.selectedNbr->text(), QString("0"));

    SelectRows(dialog, 2, 2);
    QCOMPARE(dialog.selectedNbr->text(), QString("1"));
    QCOMPARE(dialog.selectedIndex->text(), QString("2"));
    QVERIFY(dialog.importSelected->isEnabled());
    QVERIFY(!dialog.startBatch->isEnabled());
    dialog.selectAll->click();
    QCOMPARE(dialog.selectedNbr->text(), QString("4"));
    QCOMPARE(dialog.selectedIndex->text(), QString());
    QVERIFY(!dialog.importSelected->isEnabled());
    QVERIFY(dialog.startBatch->isEnabled());
    dialog.unselectAll->click();
    QCOMPARE(dialog.selectedNbr->text(), QString("0"));
    QVERIFY(!dialog.importSelected->isEnabled() && !dialog.startBatch->isEnabled());

    SelectRows(dialog, 2, 2);
    dialog.importSelected->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen().clueNbr, 31);
    QCOMPARE(dialog.chosen().Cell(2, 0).value, 1);
    QVERIFY(folder.platform.messages.empty());
}

void ImportDialogTest::theChoosersCancelClosesOnlyAtOpening() {
    Folder folder;
    ImportDialog cancelled(folder.platform, ImportSource::File, 0);
    cancelled.show();
    QTRY_VERIFY(!cancelled.isVisible());
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));

    Write(folder / "two.txt", Puzzles(2));
    Write(folder / "three.txt", Puzzles(3));
    folder.platform.fileChoices = {folder / "two.txt", std::nullopt, folder / "three.txt"};
    ImportDialog browsing(folder.platform, ImportSource::File, 0);
    OpenOn(browsing, "2");
    browsing.browse->click();
    QVERIFY(browsing.isVisible());
    QCOMPARE(browsing.boardNbr->text(), QString("2"));
    browsing.browse->click();
    QCOMPARE(browsing.boardNbr->text(), QString("3"));

    // An unreadable file: the three messages, and an empty list.
    folder.platform.fileChoices = {folder / "missing.txt"};
    browsing.browse->click();
    QCOMPARE(browsing.boardNbr->text(), QString());
    QCOMPARE(browsing.list->model()->rowCount(), 0);
    QCOMPARE(folder.platform.messages.size(), 3u);
    QVERIFY(folder.platform.messages[0].starts_with("Unable to Open File ... "));
    QCOMPARE(folder.platform.messages[2], std::string("Unable to Get Board Data !!!"));
    QVERIFY(browsing.exit->isEnabled());
    browsing.exit->click();
    QCOMPARE(browsing.result(), int(QDialog::Rejected));
}

void ImportDialogTest::aBatchRunsWhileTheWindowStaysLive() {
    Folder folder;
    Write(folder / "three.txt", Puzzles(3));
    folder.platform.fileChoices.push_back(folder / "three.txt");
    ImportDialog dialog(folder.platform, ImportSource::File, 0);
    OpenOn(dialog, "3");
    QVERIFY(dialog.progress->isHidden());
    dialog.selectAll->click();
    dialog.startBatch->click();
    QVERIFY(dialog.busy());
    QCOMPARE(folder.platform.busyDepth, 1);
    QVERIFY(!dialog.progress->isHidden() && !dialog.cancel->isHidden());
    QCOMPARE(dialog.progress->maximum(), 3);
    for (QPushButton* button :
         {dialog.selectAll, dialog.unselectAll, dialog.browse, dialog.importSelected,
          dialog.startBatch, dialog.viewResults, dialog.exit})
        QVERIFY2(!button->isEnabled(), qPrintable(button->text()));

    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(folder.platform.busyDepth, 0);
    QVERIFY(dialog.progress->isHidden() && dialog.cancel->isHidden());
    QVERIFY(dialog.viewResults->isEnabled() && dialog.startBatch->isEnabled());
    const std::string report = Read(folder / "BatchProcData.txt");
    QVERIFY(report.starts_with("Board #1\r\n"));
    QVERIFY(report.find("3 of 3 Boards solved \r\n") != std::string::npos);

    std::string firstLine;
    QTimer::singleShot(500, [&] {
        auto* viewer = qobject_cast<LogViewerDialog*>(QApplication::activeModalWidget());
        if (!viewer) return;
        if (viewer->text().Count() > 0) firstLine = viewer->text().Line(0);
        viewer->accept();
    });
    dialog.viewResults->click();
    QCOMPARE(firstLine, std::string("Board #1"));
    QVERIFY(folder.platform.messages.empty());
}

void ImportDialogTest::cancelAndClosingKeepTheOldReport() {
    Folder folder;
    // Far more boards than can be solved before Cancel is pressed.
    Write(folder / "many.txt", Puzzles(20000));
    folder.platform.fileChoices.push_back(folder / "many.txt");
    ImportDialog dialog(folder.platform, ImportSource::File, 0);
    OpenOn(dialog, "20000");

    // "View Results" stays disabled when a cancelled run is the first.
    Write(folder / "BatchProcData.txt", "old report");
    dialog.selectAll->click();
    dialog.startBatch->click();
    dialog.cancel->click();
    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(Read(folder / "BatchProcData.txt"), std::string("old report"));
    QVERIFY(!dialog.viewResults->isEnabled());

    SelectRows(dialog, 0, 1);
    dialog.startBatch->click();
    QTRY_VERIFY(!dialog.busy());
    const std::string written = Read(folder / "BatchProcData.txt");
    QVERIFY(written.find("2 of 2 Boards solved") != std::string::npos);
    QVERIFY(dialog.viewResults->isEnabled());

    // ... and enabled after one that was written.
    dialog.selectAll->click();
    dialog.startBatch->click();
    dialog.cancel->click();
    QTRY_VERIFY(!dialog.busy());
    QCOMPARE(Read(folder / "BatchProcData.txt"), written);
    QVERIFY(dialog.viewResults->isEnabled());

    // Closing the window while a batch runs cancels it first.
    dialog.startBatch->click();
    dialog.close();
    QTRY_VERIFY(!dialog.isVisible());
    QVERIFY(!dialog.busy());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Read(folder / "BatchProcData.txt"), written);
    QCOMPARE(folder.platform.busyDepth, 0);
    QVERIFY(folder.platform.messages.empty());
}

void ImportDialogTest::theClipboardEmptyBinaryOrHuge() {
    Folder folder;
    ImportDialog empty(folder.platform, ImportSource::Clipboard, 0);
    QCOMPARE(empty.windowTitle(), QString("Import Board Data from Clipboard"));
    empty.show();
    QTRY_COMPARE(folder.platform.messages.size(), 1u);
    QCOMPARE(folder.platform.messages[0], std::string("Unable to Get Board Data !!!"));
    QVERIFY(empty.isVisible());
    QCOMPARE(empty.list->model()->rowCount(), 0);

    folder.platform.clipboardText = std::string("GIF89a\0\0\x01", 9) + kClassicPuzzle;
    empty.browse->click();
    QCOMPARE(folder.platform.messages.size(), 3u);
    QCOMPARE(folder.platform.messages[1], std::string("The Clipboard Holds no Text Data !!!"));
    QCOMPARE(empty.list->model()->rowCount(), 0);

    // Megabytes of text: the read lets the window run as it goes, and every board is listed.
    folder.platform.clipboardText = Puzzles(60000);
    std::vector<int> shownProgress;
    folder.platform.onPump = [&] { shownProgress.push_back(empty.progress->value()); };
    empty.browse->click();
    QCOMPARE(empty.boardNbr->text(), QString("60000"));
    QCOMPARE(empty.list->model()->rowCount(), 60000);
    QVERIFY(shownProgress.size() >= 10);
    QVERIFY(shownProgress.front() > 0 && shownProgress.back() < 100);
    QVERIFY(empty.progress->isHidden());
    QCOMPARE(folder.platform.busyDepth, 0);
    QCOMPARE(folder.platform.messages.size(), 3u);
}

void ImportDialogTest::theMenuCommandTakesTheChosenBoard() {
    Folder folder;
    Write(folder / "two.txt", Puzzles(2));
    SettingsStore store(folder.platform);
    MainDialog window(folder.platform, store);
    window.show();
    folder.platform.fileChoices = {std::nullopt};
    window.action(CommandId::ImportFromFile)->trigger();
    QCOMPARE(window.statusPane()->text(), QString("No Board Imported ..."));
    QCOMPARE(window.timePane()->text(), QString("Default - "));

    folder.platform.fileChoices = {folder / "two.txt"};
    QTimer pick;
    QObject::connect(&pick, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->list->model()->rowCount() != 2) return;
        SelectRows(*dialog, 1, 1);
        dialog->importSelected->click();
    });
    pick.start(20);
    window.action(CommandId::ImportFromFile)->trigger();
    pick.stop();
    QCOMPARE(window.statusPane()->text(), QString("Board Imported Successfully ..."));
    QCOMPARE(window.document().board().clueNbr, 30);
    QCOMPARE(window.document().view.entryMode, int(SolveMode));
    QVERIFY(!window.undoButton()->isEnabled());

    // A file given to the program opens the dialog on its boards without asking for a file.
    folder.platform.fileChooserTitles.clear();
    pick.start(20);
    window.OpenBoardFile(folder / "two.txt");
    pick.stop();
    QVERIFY(folder.platform.fileChooserTitles.empty());
    QCOMPARE(window.statusPane()->text(), QString("Board Imported Successfully ..."));
    QCOMPARE(window.document().board().clueNbr, 30);
}

QTEST_MAIN(ImportDialogTest)
#include "ImportDialogTest.moc"
