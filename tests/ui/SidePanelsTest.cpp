// The side panels in the window, offscreen: the Hint Data pages, the forced chains warning, and
// storing the solve log (and the session board) where the program folder cannot be written.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>

#include "LongForcedChain.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/CRaruduzView.h"
#include "ui/HintDataPage.h"
#include "ui/MainDialog.h"
#include "ui/SidePanelPages.h"

class SidePanelsTest : public QObject {
    Q_OBJECT

private slots:
    void aHiddenPairHintShowsItsPage();
    void aLongForcedChainWarnsOnceWhenTaken();
    void storingTheLogInAnUnusableFolderSaysWhy();
};

namespace {
// A board whose first hint is a hidden pair: 3 and 9 in r1c8 and r2c9 of the top right box.
constexpr char kHiddenPairPuzzle[] =
    ".....6..5.1.....2...9.3.4......7......48.9...8..4.39....7.8.3...5.....1.2.......6";

void TypeIn(MainDialog& window, const char* puzzle) {
    for (const char* c = puzzle; *c; ++c) {
        if (*c != '.') QTest::keyClick(window.view(), *c);
        QTest::keyClick(window.view(), Qt::Key_Tab);
    }
}

QStringList Row(const QTreeWidget* list, int index) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(index);
    for (int column = 0; column < list->columnCount(); ++column) texts << item->text(column);
    return texts;
}

QStringList Headers(const QTreeWidget* list) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->headerItem()->text(column);
    return texts;
}
}  // namespace

void SidePanelsTest::aHiddenPairHintShowsItsPage() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const HintDataPage* page = window.hintDataPage();
    QVERIFY(!page->details->isVisible());
    TypeIn(window, kHiddenPairPuzzle);
    window.RunCommand(CommandId::SolveBoard);
    window.hintButton()->click();

    QCOMPARE(window.tabs()->currentIndex(), 1);
    QCOMPARE(page->technique->text(), QString("Hidden Pair in a Box"));
    QVERIFY(page->details->isVisible());
    QCOMPARE(page->details->currentIndex(), int(HiddenPairPage));
    QCOMPARE(page->field(HiddenPairPage, 0)->text(), QString("r1c8, r2c9"));
    QCOMPARE(page->field(HiddenPairPage, 1)->text(), QString("3 and 9"));
    QCOMPARE(page->updatedNbr(HiddenPairPage)->text(), QString("2"));
    const QTreeWidget* list = page->list(HiddenPairPage);
    QCOMPARE(Headers(list), (QStringList{"Ndx", "Row", "Col", "Cand. Removed"}));
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(Row(list, 0), (QStringList{"1", "1", "8", "7, 8"}));
    QCOMPARE(Row(list, 1), (QStringList{"2", "2", "9", "7, 8"}));

    // The next click in the view clears the hint: only the technique line stays, with two spaces.
    QWidget* viewport = window.view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->rect().center());
    QCOMPARE(window.tabs()->currentIndex(), 0);
    QCOMPARE(page->technique->text(), QString("  "));
    QVERIFY(!page->details->isVisible());
    QVERIFY(platform.messages.empty());
}

void SidePanelsTest::aLongForcedChainWarnsOnceWhenTaken() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.RunCommand(CommandId::BoardSize, 16);
    SudokuBoard& board = window.document().board();
    board.SetValue(SetMode, 15, 15, 16);
    window.RunCommand(CommandId::SolveBoard);
    ShapeLongForcedChain(board);
    platform.messages.clear();

    window.hintButton()->click();
    QCOMPARE(platform.messages, std::vector<std::string>{kHintListCutMessage});
    const HintDataPage* page = window.hintDataPage();
    QCOMPARE(page->technique->text(), QString("Forced Chains"));
    QCOMPARE(page->details->currentIndex(), int(ForcedChainsPage));
    QCOMPARE(page->field(ForcedChainsPage, 0)->text(), QString("r1c1"));
    QCOMPARE(page->updatedNbr(ForcedChainsPage)->text(), QString("43"));
    const QTreeWidget* list = page->list(ForcedChainsPage);
    QCOMPARE(Headers(list), (QStringList{"Ndx", "Row", "Col", "Common Cand.", "Cand. Removed"}));
    QCOMPARE(list->topLevelItemCount(), kHintListLimit);
    QCOMPARE(Row(list, 0), (QStringList{"1", "1", "5", "3", "1"}));

    // Repaints and the commands that refresh the panels open no box.
    window.view()->viewport()->repaint();
    window.repaint();
    QTest::qWait(50);
    window.RunCommand(CommandId::Zoom, 150);
    window.RunCommand(CommandId::Zoom, 100);
    QCOMPARE(window.tabs()->currentIndex(), 1);
    QCOMPARE(platform.messages.size(), std::size_t(1));
}

void SidePanelsTest::storingTheLogInAnUnusableFolderSaysWhy() {
    const std::filesystem::path home = qgetenv("RARUDUZ_HOME").toStdString();
    std::filesystem::create_directories(home);
    const std::filesystem::path notAFolder = home / "not-a-folder";
    { std::ofstream(notAFolder) << "x"; }
    HeadlessPlatform platform;
    platform.programFolder = notAFolder;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TypeIn(window, kHiddenPairPuzzle);
    window.RunCommand(CommandId::SolveBoard);
    window.RunCommand(CommandId::SolveIterative);
    platform.messages.clear();

    // Should a viewer open all the same, it is closed rather than left to block the test.
    bool viewerOpened = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            viewerOpened = true;
            modal->close();
        }
    });
    closer.start(50);
    window.solveDataPanel()->storeLog->click();
    QVERIFY(!viewerOpened);
    const std::string problem =
        "Unable to Use Program Folder " + notAFolder.string() + " !!! Cause: Invalid Path";
    QCOMPARE(platform.messages, std::vector<std::string>{problem});
    // Keeping the board for the next session meets the same folder.
    window.close();
    QCOMPARE(platform.messages.back(), "Unable to Keep Board for Next Session ...\n" + problem);
}

QTEST_MAIN(SidePanelsTest)
#include "SidePanelsTest.moc"
