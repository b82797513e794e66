// The main window's wiring, offscreen, over a headless platform whose message boxes are recorded.

#include <QAccessible>
#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

#include <filesystem>
#include <fstream>

#include "engine/BoardLevel.h"
#include "files/SessionFile.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "shell/WindowPlacement.h"
#include "ui/CRaruduzView.h"
#include "ui/CandidatePopup.h"
#include "ui/HintDataPage.h"
#include "ui/LogViewerDialog.h"
#include "ui/MainDialog.h"
#include "ui/SidePanelPages.h"
#include "ui/WelcomeWindow.h"

class MainDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Each test starts without the board a closed window kept.
    void init();
    void welcomeWindowClosesAfterSixTicksOrAClick();
    void startsWithTheWelcomeStatusAndCountsItDown();
    void menuItemsFollowTheBoardState();
    void entryButtonsAndKeysTakeOneSnapshotEach();
    void candidatePopupEntersAndToggles();
    void closingStoresPlacementAndSplitter();
    void lastSessionBoardComesBack();
    void closingDuringASolveStopsItFirst();
    void sidePanelsFollowTheBoard();
    void screenReadersSeeMenuStatesAndStatusTexts();
    void fontsResolveToRealFaces();
};

namespace {
QString Text(const QLabel* label) {
    return label->text();
}

void TypeIn(MainDialog& window, const char* keys) {
    for (const char* c = keys; *c; ++c)
        QTest::keyClick(window.view(), *c == '\t' ? Qt::Key_Tab : Qt::Key(*c));
}
}  // namespace

void MainDialogTest::init() {
    std::filesystem::remove(HeadlessPlatform().ProgramFolder() / kSessionFileName);
}

void MainDialogTest::welcomeWindowClosesAfterSixTicksOrAClick() {
    WelcomeWindow timed(20);
    QCOMPARE(timed.windowTitle(), QString("Welcome to Raruduz 2.2"));
    timed.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timed));
    QTest::qWait(60);
    QVERIFY(timed.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!timed.isVisible(), 1000);

    WelcomeWindow clicked;
    clicked.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clicked));
    QTest::mouseClick(&clicked, Qt::LeftButton);
    QVERIFY(!clicked.isVisible());
}

void MainDialogTest::startsWithTheWelcomeStatusAndCountsItDown() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store, 5);
    window.ShowPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Text(window.statusPane()), QString("Welcome to Raruduz 2.2 ..."));
    QCOMPARE(Text(window.timePane()), QString(" "));
    QCOMPARE(window.windowTitle(), QString("Raruduz - Default"));
    QCOMPARE(window.tabs()->count(), 3);
    QCOMPARE(window.tabs()->tabText(0), QString("Board Stat."));
    QCOMPARE(window.tabs()->tabText(1), QString("Hint Data"));
    QCOMPARE(window.tabs()->tabText(2), QString("Solve Data"));
    QCOMPARE(window.tabs()->currentIndex(), 0);
    std::int32_t lastTechnique = 0;
    QVERIFY(store.ReadNumber(kLastSolveTech, lastTechnique));
    QCOMPARE(lastTechnique, 1);
    QVERIFY(window.entryButton(9)->isVisible());
    QVERIFY(!window.entryButton(10)->isVisible());
    QCOMPARE(window.view()->accessibleName(), QString("Board"));
    QTRY_COMPARE_WITH_TIMEOUT(Text(window.statusPane()), QString(" "), 2000);
    QCOMPARE(window.statusLine().countdown(), 0);
}

void MainDialogTest::menuItemsFollowTheBoardState() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    QAction* newBoard = window.action(CommandId::New);
    QCOMPARE(newBoard->text(), QString("&New"));
    QCOMPARE(newBoard->shortcut(), QKeySequence("Ctrl+N"));
    QAction* save = window.action(CommandId::Save);
    QAction* hint = window.action(CommandId::Hint);
    QAction* setBoard = window.action(CommandId::SetBoard);
    QAction* generation = window.action(CommandId::DefaultGeneration);
    QVERIFY(!save->isEnabled());
    QVERIFY(!hint->isEnabled());
    QVERIFY(setBoard->isCheckable() && setBoard->isChecked());
    QVERIFY(!window.hintButton()->isEnabled());

    // The generation menu rewrites its text when it opens.
    store.WriteNumber(kDefautGenerationLevel, Hard);
    store.WriteNumber(kDefautGenerationStyle, 1);
    QMenu* menu = qobject_cast<QMenu*>(generation->parent());
    QVERIFY(menu);
    emit menu->aboutToShow();
    QCOMPARE(generation->text(), QString("Default Generation: Hard Symetrical Board"));

    TypeIn(window, "5\t3");
    QCOMPARE(Text(window.statusPane()), QString("Given 3 Added on Current Location ..."));
    QVERIFY(save->isEnabled());
    window.action(CommandId::SolveBoard)->trigger();
    QCOMPARE(Text(window.statusPane()), QString("Board is turned to Solve Mode"));
    QVERIFY(hint->isEnabled() && window.hintButton()->isEnabled());
    QVERIFY(!setBoard->isChecked());

    window.action(CommandId::Zoom, 250)->trigger();
    QCOMPARE(Text(window.statusPane()), QString("Zoom Ratio Changed to 250 % ..."));
    QVERIFY(window.action(CommandId::Zoom, 250)->isChecked());
    QCOMPARE(window.view()->zoom(), 250);

    window.action(CommandId::BoardSize, 16)->trigger();
    QVERIFY(window.entryButton(16)->isVisible());
    QVERIFY(window.action(CommandId::BoardSize, 16)->isChecked());
    window.action(CommandId::New)->trigger();
    QCOMPARE(Text(window.statusPane()), QString("New Board Created with Defaut Size ..."));
    QCOMPARE(Text(window.timePane()), QString(" ..."));
}

void MainDialogTest::entryButtonsAndKeysTakeOneSnapshotEach() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const UndoHistory& history = window.document().history();
    QVERIFY(!window.undoButton()->isEnabled() && !window.redoButton()->isEnabled());
    QTest::mouseClick(window.entryButton(5), Qt::LeftButton);
    QCOMPARE(history.UndoCount(), std::size_t(1));
    QCOMPARE(Text(window.statusPane()), QString("Given 5 Added on Current Location ..."));
    QVERIFY(!window.undoButton()->isEnabled());
    QTest::keyClick(window.view(), Qt::Key_Tab);
    QTest::mouseClick(window.entryButton(6), Qt::LeftButton);
    QCOMPARE(history.UndoCount(), std::size_t(2));
    QVERIFY(window.undoButton()->isEnabled());
    QVERIFY(window.action(CommandId::Undo)->isEnabled());

    QTest::mouseClick(window.undoButton(), Qt::LeftButton);
    QCOMPARE(window.document().board().Cell(1, 0).value, -1);
    QVERIFY(window.redoButton()->isEnabled());
    QTest::keyClick(window.view(), Qt::Key_Down);
    QTest::keyClick(window.view(), '7');
    QCOMPARE(window.document().board().Cell(1, 1).value, 7);
    QVERIFY(!window.redoButton()->isEnabled());
    QTest::keyClick(window.view(), Qt::Key_Backspace);
    QCOMPARE(window.document().board().Cell(1, 1).value, -1);
    QCOMPARE(history.UndoCount(), std::size_t(3));
}

void MainDialogTest::candidatePopupEntersAndToggles() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const SudokuBoard& board = window.document().board();
    const auto clickInPopup = [&](CandidatePopup::Choice page, int value) {
        QTimer::singleShot(50, [&window, page, value] {
            if (CandidatePopup* popup = window.candidatePopup())
                popup->button(page, value)->click();
        });
        QTest::keyClick(window.view(), Qt::Key_Menu);
    };
    clickInPopup(CandidatePopup::Choice::Toggle, 3);
    QCOMPARE(board.Cell(0, 0).candidateNbr, 8);
    QCOMPARE(window.document().history().UndoCount(), std::size_t(1));
    clickInPopup(CandidatePopup::Choice::Enter, 4);
    QCOMPARE(board.Cell(0, 0).value, 4);
    QCOMPARE(Text(window.statusPane()), QString("Given 4 Added on Current Location ..."));
    QVERIFY(window.undoButton()->isEnabled());

    // A filled cell only beeps.
    QTest::keyClick(window.view(), Qt::Key_Menu);
    QCOMPARE(platform.beepNbr, 1);
    QVERIFY(!window.candidatePopup());
}

void MainDialogTest::closingStoresPlacementAndSplitter() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    {
        MainDialog window(platform, store);
        window.ShowPlaced();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(1100, 640);
        window.splitter()->setSizes({MainDialog::kSideColumnWidth + 40, 700});
        window.close();
    }
    std::int32_t offset = 0;
    QVERIFY(store.ReadNumber(kSplitterPosition, offset));
    QCOMPARE(offset, 40);
    std::string text;
    QVERIFY(store.ReadText(kWindowPlacement, text));
    const std::optional<WindowPlacement> placement = ParseWindowPlacement(text);
    QVERIFY(placement);
    QCOMPARE(placement->right - placement->left, 1100);
    QCOMPARE(placement->bottom - placement->top, 640);

    MainDialog again(platform, store);
    again.ShowPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.size(), QSize(1100, 640));
    QCOMPARE(again.splitter()->sizes().front(), MainDialog::kSideColumnWidth + 40);
}

void MainDialogTest::lastSessionBoardComesBack() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    {
        MainDialog window(platform, store);
        window.ShowPlaced();
        TypeIn(window, "1\t2");
        window.RunCommand(CommandId::SolveBoard);
        window.close();
    }
    {
        MainDialog window(platform, store);
        const SudokuBoard& board = window.document().board();
        QCOMPARE(board.Cell(0, 0).value, 1);
        QCOMPARE(board.Cell(0, 0).type, Clue);
        QCOMPARE(board.Cell(1, 0).value, 2);
        QCOMPARE(window.document().view.entryMode, SolveMode);
        QVERIFY(!window.undoButton()->isEnabled());
        QCOMPARE(Text(window.statusPane()), QString("Welcome to Raruduz 2.2 ..."));
    }
    // Off: the board is neither kept nor restored.
    store.WriteNumber("AutoLoadBoard", 0);
    std::filesystem::remove(platform.ProgramFolder() / kSessionFileName);
    {
        MainDialog window(platform, store);
        QCOMPARE(window.document().board().clueNbr, 0);
        window.close();
    }
    QVERIFY(!std::filesystem::exists(platform.ProgramFolder() / kSessionFileName));

    store.WriteNumber("AutoLoadBoard", 1);
    std::ofstream(platform.ProgramFolder() / kSessionFileName) << "Raruduz session 0\n";
    MainDialog window(platform, store);
    QCOMPARE(window.document().board().clueNbr, 0);
    QCOMPARE(Text(window.statusPane()),
             QString("Unable to Restore Board from Last Session ... Session File Damaged ..."));
    QVERIFY(platform.messages.empty());
}

void MainDialogTest::closingDuringASolveStopsItFirst() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    window.action(CommandId::BoardSize, 16)->trigger();
    TypeIn(window, "1");
    bool stopLive = false, newLive = true;
    platform.onPump = [&] {
        if (!window.isVisible()) return;
        QCoreApplication::processEvents();
        stopLive = window.action(CommandId::StopBruteForce)->isEnabled();
        newLive = window.action(CommandId::New)->isEnabled();
        window.close();
    };
    window.action(CommandId::SolveBruteForce)->trigger();
    QVERIFY(stopLive);
    QVERIFY(!newLive);
    QVERIFY(!window.isVisible());
    QCOMPARE(platform.messages.back(),
             std::string("Board Solving Aborted by User ... No Solution Found !!!"));
    std::string placement;
    QVERIFY(store.ReadText(kWindowPlacement, placement));
}

void MainDialogTest::sidePanelsFollowTheBoard() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const BoardStatPage* stat = window.boardStatPage();
    QCOMPARE(stat->clues->text(), QString("0"));
    QCOMPARE(stat->empties->text(), QString("81"));
    QCOMPARE(stat->solved->text(), QString(" "));
    QCOMPARE(stat->scoreBar->value(), 0);
    QCOMPARE(window.hintDataPage()->technique->text(), QString("  "));
    const SolveDataPanel* solveData = window.solveDataPanel();
    QCOMPARE(solveData->summary->topLevelItem(0)->text(0), QString("There is no data to show ..."));

    const char* puzzle =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    for (int i = 0; i < 81; ++i) {
        if (puzzle[i] != '.') QTest::keyClick(window.view(), puzzle[i]);
        QTest::keyClick(window.view(), Qt::Key_Tab);
    }
    QCOMPARE(stat->clues->text(), QString("30"));
    window.action(CommandId::SolveBoard)->trigger();
    window.hintButton()->click();
    QCOMPARE(window.tabs()->currentIndex(), 1);
    QCOMPARE(window.hintDataPage()->technique->text(), QString("Single in a Box"));

    window.action(CommandId::SolveIterative)->trigger();
    QCOMPARE(window.tabs()->currentIndex(), 2);
    QCOMPARE(solveData->summary->topLevelItemCount(), 1);
    QCOMPARE(solveData->summary->topLevelItem(0)->text(1), QString("Single in a Box"));
    QCOMPARE(solveData->summary->topLevelItem(0)->text(2), QString("51"));
    QCOMPARE(solveData->steps->topLevelItemCount(), 51);
    QCOMPARE(stat->solved->text(), QString("Solved"));
    QCOMPARE(stat->level->text(), QString("Very Easy"));

    std::vector<std::string> shown;
    QTimer::singleShot(600, [&] {
        auto* viewer = qobject_cast<LogViewerDialog*>(QApplication::activeModalWidget());
        if (!viewer) return;
        for (int i = 0; i < viewer->text().Count(); ++i) shown.emplace_back(viewer->text().Line(i));
        viewer->accept();
    });
    solveData->storeLog->click();
    QVERIFY(!shown.empty());
    QCOMPARE(shown.front(), std::string("Board Processing Log Data "));
    QVERIFY(std::find(shown.begin(), shown.end(), "Board Solving Log") != shown.end());
}

void MainDialogTest::screenReadersSeeMenuStatesAndStatusTexts() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    QMenu* solve = qobject_cast<QMenu*>(window.action(CommandId::Hint)->parent());
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(solve);
    QVERIFY(menu);
    QMap<QString, QAccessible::State> items;
    for (int i = 0; i < menu->childCount(); ++i)
        items.insert(menu->child(i)->text(QAccessible::Name), menu->child(i)->state());
    QVERIFY(items.contains("Hint"));
    QVERIFY(items["Hint"].disabled);
    QVERIFY(!items["Solve using Iterative Human-Like Logic"].disabled);
    QVERIFY(items["Solve Using Brute-Force Logic"].checkable);
    QVERIFY(!items["Solve Using Brute-Force Logic"].checked);

    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(window.statusPane());
    QCOMPARE(status->text(QAccessible::Name), QString("Welcome to Raruduz 2.2 ..."));
    QCOMPARE(QAccessible::queryAccessibleInterface(window.view())->text(QAccessible::Name),
             QString("Board"));
}

void MainDialogTest::fontsResolveToRealFaces() {
    // Without a font package every glyph is a box: the faces asked for by name must exist.
    for (const char* family : {"Courier New", "Arial"}) {
        const QFontInfo info{QFont(family)};
        QVERIFY2(info.family().contains("Liberation") || info.family() == family,
                 qPrintable(info.family()));
    }
}

QTEST_MAIN(MainDialogTest)
#include "MainDialogTest.moc"
