// The export dialog, offscreen, over a headless platform whose questions and folder chooser are
// answered from its queues.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ModalAnswer.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "ui/ExportDialog.h"
#include "ui/MainDialog.h"

class ExportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnCluesAndWebLayoutAndFollowsTheChoices();
    void exportAsksAboutExtensionAndExistingFileThenWrites();
    void browseStoresTheFolderAndABadFolderWritesNothing();
    void theExportCommandReportsTheOutcome();
};

namespace {
constexpr char kClassic[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

BoardData Classic() {
    BoardData record;
    ScanBoardText(kClassic, 0, [&record](const BoardData& r) { record = r; });
    record.Cell(2, 0) = {4, Given, 0, 0};
    return record;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << input.rdbuf();
    return buffer.str();
}

struct Folder {
    Folder() { platform.programFolder = dir.path().toStdString(); }
    std::filesystem::path path() const { return dir.path().toStdString(); }
    QTemporaryDir dir;
    HeadlessPlatform platform;
};
}  // namespace

void ExportDialogTest::startsOnCluesAndWebLayoutAndFollowsTheChoices() {
    Folder folder;
    const BoardData board = Classic();
    ExportDialog dialog(folder.platform, {&board, 0, false}, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Export Board to Text File"));
    QCOMPARE(dialog.exportPath->text(), folder.dir.path());
    QCOMPARE(dialog.format->count(), 4);
    QCOMPARE(dialog.format->itemText(3), QString("Simple Sudoku Format (.ss) "));
    QCOMPARE(dialog.format->currentIndex(), 0);
    QVERIFY(dialog.cluesOnly->isChecked() && !dialog.cluesAndGivens->isChecked());
    QCOMPARE(dialog.preview->text(), QString(kClassic));
    QCOMPARE(dialog.preview->font().family(), QString("Courier New"));
    QVERIFY(!dialog.exportToFile->isEnabled());
    QTest::keyClicks(dialog.fileName, "b");
    QVERIFY(dialog.exportToFile->isEnabled());
    dialog.fileName->clear();
    QVERIFY(!dialog.exportToFile->isEnabled());

    dialog.format->setCurrentIndex(3);
    const QStringList lines = dialog.preview->text().split('\n');
    QCOMPARE(lines.size(), 14);  // 13 lines and the empty text after the last line break
    QCOMPARE(lines[0], QString("*-----------*"));
    QCOMPARE(lines[1], QString("|53.|.7.|...|"));
    QCOMPARE(lines[4], QString("|---+---+---|"));

    // "All" on an unsolved board warns, then shows what is on the board.
    dialog.format->setCurrentIndex(0);
    dialog.cluesAndGivens->click();
    QCOMPARE(folder.platform.messages.size(), std::size_t(1));
    QVERIFY(dialog.cluesAndGivens->isChecked() && !dialog.cluesOnly->isChecked());
    QVERIFY(dialog.preview->text().startsWith("534.7"));
    dialog.cluesOnly->click();
    QVERIFY(dialog.preview->text().startsWith("53..7"));
    QCOMPARE(folder.platform.messages.size(), std::size_t(1));

    // Opened on any board, for instance one in Wordoku display.
    BoardData letters = Classic();
    letters.wordokuStringCopy = "CEORWKPLA";
    ExportDialog wordoku(folder.platform, {&letters, 0, true}, nullptr);
    QVERIFY(wordoku.preview->text().startsWith("WO..P"));
}

void ExportDialogTest::exportAsksAboutExtensionAndExistingFileThenWrites() {
    Folder folder;
    const BoardData board = Classic();
    ExportDialog dialog(folder.platform, {&board, 0, false}, nullptr);
    dialog.show();
    dialog.format->setCurrentIndex(2);
    dialog.fileName->setText("board.dat");
    folder.platform.answers = {false};
    dialog.exportToFile->click();
    QCOMPARE(folder.platform.messages.back(),
             std::string("Extention .DAT is not the standard Extention (.sdk) for this export "
                         "... Use Anyway ?"));
    QVERIFY(dialog.isVisible());
    QVERIFY(!std::filesystem::exists(folder.path() / "board.dat"));

    dialog.fileName->setText("board");
    dialog.exportToFile->click();
    QVERIFY(!dialog.isVisible() && dialog.written());
    std::string expected = "[Puzzle]\r\n";
    for (int row = 0; row < 9; ++row) expected += std::string(kClassic).substr(row * 9, 9) + "\r\n";
    QCOMPARE(ReadBytes(folder.path() / "board.sdk"), expected + "\r\n");

    ExportDialog again(folder.platform, {&board, 0, false}, nullptr);
    again.show();
    again.fileName->setText("board.sdk");
    again.format->setCurrentIndex(1);
    folder.platform.messages.clear();
    folder.platform.answers = {true, false};
    again.exportToFile->click();
    QCOMPARE(folder.platform.messages,
             (std::vector<std::string>{"Extention .SDK is not the standard Extention (.msk or "
                                       ".sol) for this export ... Use Anyway ?",
                                       "File Already Exist !!! Overwrite Existing File ? "}));
    QVERIFY(again.isVisible() && !again.written());
    QCOMPARE(ReadBytes(folder.path() / "board.sdk"), expected + "\r\n");
}

void ExportDialogTest::browseStoresTheFolderAndABadFolderWritesNothing() {
    Folder folder;
    const std::filesystem::path chosen = folder.path() / "chosen";
    std::filesystem::create_directory(chosen);
    const BoardData board = Classic();
    ExportDialog dialog(folder.platform, {&board, 0, false}, nullptr);
    folder.platform.fileChoices = {std::nullopt, chosen};
    dialog.browse->click();
    QCOMPARE(dialog.exportPath->text(), folder.dir.path());
    dialog.browse->click();
    QCOMPARE(dialog.exportPath->text(), QString::fromStdString(chosen.string()));
    QCOMPARE(folder.platform.fileChooserTitles,
             (std::vector<std::string>(2, "Select Directory for Board Export")));
    std::string stored;
    QVERIFY(SettingsStore(folder.platform).ReadText(kDefaultExportPath, stored));
    QCOMPARE(stored, chosen.string());
    ExportDialog next(folder.platform, {&board, 0, false}, nullptr);
    QCOMPARE(next.exportPath->text(), QString::fromStdString(chosen.string()));

    // A folder that is gone, or a file where a folder should be: the cause, and no file.
    std::filesystem::remove(chosen);
    std::ofstream(folder.path() / "plain") << "x";
    const std::pair<std::filesystem::path, const char*> badFolders[] = {
        {chosen, "Unable to Open File ... File Not Found"},
        {folder.path() / "plain", "Unable to Open File ... Invalid Path"}};
    for (const auto& [bad, message] : badFolders) {
        folder.platform.messages.clear();
        folder.platform.fileChoices = {bad};
        ExportDialog failing(folder.platform, {&board, 0, false}, nullptr);
        failing.show();
        failing.browse->click();
        failing.fileName->setText("board.txt");
        failing.exportToFile->click();
        QCOMPARE(folder.platform.messages, std::vector<std::string>{message});
        QVERIFY(!failing.written() && !failing.isVisible());
        QVERIFY(!std::filesystem::exists(bad / "board.txt"));
    }
}

void ExportDialogTest::theExportCommandReportsTheOutcome() {
    Folder folder;
    SettingsStore store(folder.platform);
    MainDialog window(folder.platform, store);
    window.show();
    QVERIFY(!window.action(CommandId::ExportToFile)->isEnabled());
    QTest::mouseClick(window.entryButton(5), Qt::LeftButton);
    QVERIFY(window.action(CommandId::ExportToFile)->isEnabled());

    WhenModal<ExportDialog>([](ExportDialog& dialog) {
        dialog.cancel->click();
        return true;
    });
    window.RunCommand(CommandId::ExportToFile);
    QCOMPARE(window.statusPane()->text(), QString("No Board Exported ..."));

    WhenModal<ExportDialog>([](ExportDialog& dialog) {
        dialog.fileName->setText("one");
        dialog.exportToFile->click();
        return true;
    });
    window.RunCommand(CommandId::ExportToFile);
    QCOMPARE(window.statusPane()->text(), QString("Board exported Successfully to File ..."));
    QCOMPARE(ReadBytes(folder.path() / "one.txt"), "5" + std::string(80, '.') + "\r\n");
}

QTEST_MAIN(ExportDialogTest)
#include "ExportDialogTest.moc"
