// The load, save, attributes and multiple-solutions dialogs, offscreen, over a headless platform
// whose questions are answered from its queue.

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ModalAnswer.h"
#include "files/BoardImport.h"
#include "files/PuzzleDataFile.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/BoardAttributesDialog.h"
#include "ui/CRaruduzView.h"
#include "ui/MainDialog.h"
#include "ui/MultiSolutionsDialog.h"
#include "ui/PuzzleDataLoadDialog.h"
#include "ui/PuzzleDataSaveDialog.h"

class PuzzleDataDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void loadDialogListsTheFileAndTakesTheChosenBoard();
    void damagedFileListsNothingAndIsReplacedOnlyWithACopy();
    void saveDialogAsksBeforeOverwritingAndRefusesForeignCharacters();
    void multipleSolutionsAreListedWithTheChosenSeparator();
    void mainWindowOpensSavesAndListsSolutions();
};

namespace {
constexpr char kClassic[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

BoardData Record(const std::string& name, const std::string& description,
                 std::string_view text = kClassic) {
    BoardData record;
    ScanBoardText(text, 0, [&record](const BoardData& r) { record = r; });
    record.name = name;
    record.description = description;
    record.wordokuString.clear();
    record.wordokuStringCopy.clear();
    return record;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << input.rdbuf();
    return buffer.str();
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A platform whose program folder is a fresh folder of its own.
struct Folder {
    Folder() { platform.programFolder = dir.path().toStdString(); }
    std::filesystem::path file() { return PuzzleDataFilePath(platform); }
    void Write(std::vector<BoardData> boards) {
        std::vector<PuzzleRecord> records;
        for (const BoardData& board : boards) records.push_back(ToPuzzleRecord(board));
        QVERIFY(WriteDataFile(platform, file(), records, nullptr, false));
    }
    QTemporaryDir dir;
    HeadlessPlatform platform;
};

QString Cell(const QTreeView* list, int row, int column) {
    return list->model()->index(row, column).data().toString();
}

void ClickRow(QTreeView* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}
}  // namespace

void PuzzleDataDialogsTest::loadDialogListsTheFileAndTakesTheChosenBoard() {
    Folder folder;
    BoardData first = Record("Twin", "first");
    first.Cell(2, 0) = {4, Given, 0, 0};
    folder.Write({Record("Caf\xE9", "a description long enough to widen its column"), first,
                  Record("Twin", "second")});

    PuzzleDataLoadDialog dialog(folder.platform, true, nullptr);
    QSignalSpy filled(&dialog, &PuzzleDataLoadDialog::listFilled);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Load Board from Raruduz Data File"));
    QVERIFY(!dialog.ok->isEnabled() && !dialog.viewAttributes->isEnabled());
    QVERIFY(dialog.retrieveOnlyClues->isChecked());
    QCOMPARE(dialog.retrieveOnlyClues->text(), QString("&Retrieve Only Clues"));
    QCOMPARE(dialog.list->model()->rowCount(), 0);
    QVERIFY(filled.wait(1000));
    QTreeView* list = dialog.list;
    QCOMPARE(list->model()->rowCount(), 3);
    const QStringList headers = {" Id ", " Board Name ", " Board Description ", " Board Level "};
    for (int column = 0; column < 4; ++column)
        QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
    QCOMPARE(Cell(list, 0, 0), QString("1"));
    QCOMPARE(Cell(list, 0, 1), QString("Caf\u00E9"));
    QCOMPARE(Cell(list, 2, 2), QString("second"));
    QCOMPARE(Cell(list, 2, 3), QString("Unknown"));
    const int descriptionWidth = list->fontMetrics().horizontalAdvance(Cell(list, 0, 2));
    QVERIFY(list->header()->sectionSize(2) > descriptionWidth);
    QVERIFY(!dialog.ok->isEnabled());

    // The second "Twin" row stands for the first record of that name.
    ClickRow(list, 2);
    QVERIFY(dialog.ok->isEnabled() && dialog.viewAttributes->isEnabled());
    dialog.viewAttributes->click();
    BoardAttributesDialog* attributes = dialog.attributesDialog();
    QVERIFY(attributes);
    QCOMPARE(attributes->windowTitle(), QString("View Board Attributes"));
    QCOMPARE(attributes->list->headerItem()->text(0), QString("Attribute"));
    QCOMPARE(attributes->list->headerItem()->text(1), QString("Board Data"));
    QCOMPARE(attributes->list->topLevelItem(1)->text(1), QString("first"));
    QCOMPARE(attributes->list->topLevelItem(5)->text(1), QString("1"));  // givens
    attributes->close();

    dialog.ok->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.chosen().has_value());
    const BoardData& cluesOnly = *dialog.chosen();
    QCOMPARE(cluesOnly.description, std::string("first"));
    QCOMPARE(cluesOnly.Cell(2, 0).value, -1);
    QCOMPARE(cluesOnly.Cell(2, 0).type, std::int32_t(Given));

    PuzzleDataLoadDialog everything(folder.platform, true, nullptr);
    everything.FillList();
    everything.retrieveOnlyClues->click();
    ClickRow(everything.list, 1);
    everything.ok->click();
    QCOMPARE(everything.chosen()->Cell(2, 0).value, 4);

    PuzzleDataLoadDialog cancelled(folder.platform, false, nullptr);
    cancelled.FillList();
    ClickRow(cancelled.list, 0);
    cancelled.cancel->click();
    QVERIFY(!cancelled.chosen());
    QVERIFY(folder.platform.messages.empty());
}

void PuzzleDataDialogsTest::damagedFileListsNothingAndIsReplacedOnlyWithACopy() {
    Folder folder;
    folder.Write({Record("A", ""), Record("B", "")});
    const std::string damaged = ReadBytes(folder.file()).substr(0, 500);
    WriteBytes(folder.file(), damaged);

    PuzzleDataLoadDialog load(folder.platform, true, nullptr);
    load.FillList();
    QCOMPARE(load.list->model()->rowCount(), 0);
    QCOMPARE(folder.platform.messages, std::vector<std::string>{"Invalid Puzzle Data File ..."});

    BoardData board = Record("Default", "");
    std::vector<PuzzleRecord> records;
    PuzzleDataSaveDialog save(folder.platform, folder.file(), board, records, nullptr);
    save.show();
    save.name->setText("New");
    folder.platform.messages.clear();
    folder.platform.answers = {false};
    save.save->click();
    QCOMPARE(folder.platform.messages.size(), std::size_t(1));
    QVERIFY(folder.platform.messages[0].find("BoardData.sbd is Damaged and its Boards could not "
                                             "be Read !!! ") != std::string::npos);
    QVERIFY(save.isVisible() && !save.saved());
    QCOMPARE(ReadBytes(folder.file()), damaged);
    QVERIFY(!std::filesystem::exists(folder.file().string() + ".bak"));

    folder.platform.answers = {true};
    save.save->click();
    QVERIFY(!save.isVisible() && save.saved());
    QCOMPARE(ReadBytes(folder.file().string() + ".bak"), damaged);
    QCOMPARE(ReadDataFile(folder.platform, folder.file(), records), 1);
    QCOMPARE(records[0].name, std::string("New"));
}

void PuzzleDataDialogsTest::saveDialogAsksBeforeOverwritingAndRefusesForeignCharacters() {
    Folder folder;
    folder.Write({Record("Twin", "old")});
    const std::string before = ReadBytes(folder.file());
    BoardData board = Record("Default", "mine");
    board.level = 3;
    std::vector<PuzzleRecord> records;
    ReadDataFile(folder.platform, folder.file(), records);
    PuzzleDataSaveDialog save(folder.platform, folder.file(), board, records, nullptr);
    save.show();
    QCOMPARE(save.windowTitle(), QString("Save Board Data to Raruduz File"));
    QCOMPARE(save.name->text(), QString("Default"));
    QCOMPARE(save.description->text(), QString("mine"));
    QCOMPARE(save.level->count(), 7);
    QCOMPARE(save.level->currentText(), QString("Medium"));
    QCOMPARE(save.save->text(), QString("&Save"));
    QCOMPARE(save.exit->text(), QString("&Exit"));

    save.name->setText("\u0414\u0432\u043E\u0439\u043D\u0438\u043A");
    save.save->click();
    save.name->setText("Twin");
    save.description->setText("\u6F22\u5B57");
    save.save->click();
    QCOMPARE(folder.platform.messages,
             (std::vector<std::string>{
                 "Board Name holds Characters that Raruduz Data File cannot Store !!! \nPlease "
                 "Use Western European Characters Only ... ",
                 "Board Description holds Characters that Raruduz Data File cannot Store !!! "
                 "\nPlease Use Western European Characters Only ... "}));
    QCOMPARE(ReadBytes(folder.file()), before);
    QCOMPARE(board.name, std::string("Default"));

    // A name in the file: asked, and on OK overwritten with the dialog still open.
    folder.platform.messages.clear();
    save.description->setText("\u00DCber \u20AC");
    save.level->setCurrentIndex(4);
    folder.platform.answers = {false, true};
    save.save->click();
    QCOMPARE(ReadBytes(folder.file()), before);
    QVERIFY(!save.saved());
    save.save->click();
    QCOMPARE(folder.platform.messages.back(),
             std::string("Board Twin Already exists in Raruduz Data File !!! Overwrite Existing "
                         "Data ? "));
    QVERIFY(save.isVisible() && save.saved());
    ReadDataFile(folder.platform, folder.file(), records);
    QCOMPARE(records.size(), std::size_t(1));
    QCOMPARE(records[0].description, std::string("\xDC"
                                                 "ber \x80"));
    QCOMPARE(records[0].level, 4);
    QCOMPARE(board.description, std::string("\xDC"
                                            "ber \x80"));

    // A new name is appended and closes the dialog.
    save.name->setText("Fresh");
    save.save->click();
    QVERIFY(!save.isVisible());
    QCOMPARE(ReadDataFile(folder.platform, folder.file(), records), 2);

    PuzzleDataSaveDialog left(folder.platform, folder.file(), board, records, nullptr);
    left.show();
    left.exit->click();
    QVERIFY(!left.isVisible() && !left.saved());
}

void PuzzleDataDialogsTest::multipleSolutionsAreListedWithTheChosenSeparator() {
    HeadlessPlatform platform;
    SudokuBoard board(platform);
    const BoardData record = Record("", "");
    board.LoadRecord(record);
    board.solutionNbr = 3;
    for (int k = 0; k < 3; ++k) board.solutions[k] = board.cells;
    MultiSolutionsDialog dialog(board, nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Multi-Solutions Board"));
    QCOMPARE(dialog.heading->text(),
             QString("Raruduz finds 3 solutions for this Board !!! Board Data is Questionnable "
                     "..."));
    QCOMPARE(dialog.heading->font().family(), QString("Arial"));
    QCOMPARE(dialog.count->text(), QString("> 3"));
    QVERIFY(dialog.shownLine->isHidden());
    QCOMPARE(dialog.list->headerItem()->text(0), QString("Ndx"));
    QCOMPARE(dialog.list->headerItem()->text(1), QString("Board Data"));
    QCOMPARE(dialog.list->topLevelItemCount(), 3);
    QCOMPARE(dialog.list->topLevelItem(2)->text(0), QString("3"));
    QCOMPARE(dialog.separator->currentText(), QString("None"));
    QVERIFY(dialog.list->topLevelItem(0)->text(1).startsWith("5 3  .  . 7  .  .  .  . 6  . "));
    board.solutionNbr = 0;
    dialog.separator->setCurrentIndex(1);
    QVERIFY(dialog.list->topLevelItem(0)->text(1).startsWith("5 3  .  . 7  .  .  .  .  | 6 "));
    QCOMPARE(dialog.list->topLevelItemCount(), 3);
}

void PuzzleDataDialogsTest::mainWindowOpensSavesAndListsSolutions() {
    Folder folder;
    BoardData stored = Record("Stored", "kept");
    stored.Cell(2, 0) = {4, Given, 0, 0};
    folder.Write({stored});
    SettingsStore store(folder.platform);
    MainDialog window(folder.platform, store);
    window.show();
    QVERIFY(window.action(CommandId::Open)->isEnabled());

    WhenModal<PuzzleDataLoadDialog>([](PuzzleDataLoadDialog& dialog) {
        if (dialog.list->model()->rowCount() == 0) return false;
        dialog.retrieveOnlyClues->setChecked(false);
        dialog.list->setCurrentIndex(dialog.list->model()->index(0, 0));
        dialog.ok->click();
        return true;
    });
    window.RunCommand(CommandId::Open);
    const SudokuBoard& board = window.document().board();
    QCOMPARE(window.statusPane()->text(),
             QString("Board Loaded Successfully from Raruduz Board Data File ..."));
    QCOMPARE(window.timePane()->text(), QString("Stored - kept"));
    QCOMPARE(board.name, std::string("Stored"));
    QCOMPARE(board.Cell(2, 0).value, 4);
    QCOMPARE(window.document().view.entryMode, std::int32_t(SolveMode));
    QVERIFY(!window.undoButton()->isEnabled());

    // Its name is in the file: Save writes without a dialog.
    for (int k = 0; k < 3; ++k) QTest::keyClick(window.view(), Qt::Key_Tab);
    QTest::mouseClick(window.entryButton(6), Qt::LeftButton);
    window.RunCommand(CommandId::Save);
    QCOMPARE(window.statusPane()->text(), QString("Board Saved to Raruduz Board Data File ..."));
    std::vector<PuzzleRecord> records;
    QCOMPARE(ReadDataFile(folder.platform, folder.file(), records), 1);
    QCOMPARE(records[0].cells[3].value, std::int8_t(6));

    // Save As shows the dialog; leaving it saves nothing.
    WhenModal<PuzzleDataSaveDialog>([](PuzzleDataSaveDialog& dialog) {
        dialog.exit->click();
        return true;
    });
    window.RunCommand(CommandId::SaveAs);
    QCOMPARE(window.statusPane()->text(), QString("Board Not Saved ..."));

    // A board with many solutions lists them after Solve Board.
    window.RunCommand(CommandId::New);
    QTest::mouseClick(window.entryButton(1), Qt::LeftButton);
    window.RunCommand(CommandId::SolveBoard);
    auto* solutions = window.findChild<MultiSolutionsDialog*>();
    QVERIFY(solutions && solutions->isVisible() && solutions->isModal());
    QCOMPARE(solutions->heading->text(),
             QString("Raruduz finds more than 50 solutions for this Board !!! Board Data is "
                     "Highly Questionnable ..."));
    QCOMPARE(solutions->list->topLevelItemCount(), 50);
    solutions->exit->click();
    QTRY_VERIFY(!window.findChild<MultiSolutionsDialog*>());
    QCOMPARE(window.statusPane()->text(), QString("Board is turned to Solve Mode"));
}

QTEST_MAIN(PuzzleDataDialogsTest)
#include "PuzzleDataDialogsTest.moc"
