// The special generation dialog offscreen over a headless platform with a fixed clock, so that
// its searches are repeatable: lists, Start and Stop, sorting, import and export of a row.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "shell/BoardSnapshot.h"
#include "ui/MainDialog.h"
#include "ui/SpecialGenerationDialog.h"

class SpecialGenerationDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithItsListsAndButtons();
    void searchesStopsSortsAndHandsRowsOn();
    void importsIntoTheWindowOrClosesMidSearch();
};

namespace {
QList<int> Column(const QTreeWidget* list, int column) {
    QList<int> values;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        values.append(list->topLevelItem(row)->text(column).toInt());
    return values;
}
}  // namespace

void SpecialGenerationDialogTest::opensWithItsListsAndButtons() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    SpecialGenerationDialog dialog(platform, store, 9, nullptr);
    QVERIFY(dialog.prepared());
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Special Board Generation"));
    QCOMPARE(dialog.technique->count(), 36);
    QCOMPARE(dialog.technique->itemText(6), QString("Naked Single in a Row, a Box or a Column"));
    QCOMPARE(dialog.boardsWanted->count(), 999);
    QCOMPARE(dialog.attempts->itemText(0), QString("   1000"));
    QCOMPARE(dialog.attempts->itemText(25), QString("1000000"));
    QCOMPARE(dialog.minimumLevel->itemText(0), QString("Unspecified"));
    QCOMPARE(dialog.maximumLevel->itemText(6), QString("Fiendish"));
    QCOMPARE(dialog.sortKey->itemText(1), QString("Technique Occurence"));
    QCOMPARE(dialog.results->headerItem()->text(1), QString(" Attempt Ndx "));
    QVERIFY(dialog.start->isEnabled() && dialog.exit->isEnabled());
    QVERIFY(!dialog.stop->isEnabled());
    QVERIFY(!dialog.importBoard->isEnabled() && !dialog.exportBoard->isEnabled());
    QVERIFY(!dialog.progress->isVisible());
    QVERIFY(dialog.importFirst->isVisible());
    dialog.boardsWanted->setCurrentIndex(1);
    QVERIFY(!dialog.importFirst->isVisible());
}

void SpecialGenerationDialogTest::searchesStopsSortsAndHandsRowsOn() {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 2024;
    SettingsStore store(platform);
    std::vector<BoardData> exported;
    SpecialGenerationDialog dialog(platform, store, 9,
                                   [&](const BoardData& record) { exported.push_back(record); });
    dialog.show();
    dialog.technique->setCurrentIndex(3);  // Hidden Single in a Box
    dialog.boardsWanted->setCurrentIndex(2);
    bool onlyStopLive = true, progressShown = true;
    platform.onPump = [&] {
        onlyStopLive = onlyStopLive && dialog.stop->isEnabled() && !dialog.start->isEnabled() &&
                       !dialog.exit->isEnabled() && !dialog.technique->isEnabled() &&
                       !dialog.sortKey->isEnabled();
        progressShown = progressShown && dialog.progress->isVisible();
    };
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    QVERIFY(platform.pumpNbr >= 3);
    QVERIFY(onlyStopLive && progressShown);
    QCOMPARE(platform.messages.back(), std::string("3 Boards Generated ..."));
    QCOMPARE(dialog.results->topLevelItemCount(), 3);
    QCOMPARE(Column(dialog.results, 0), (QList<int>{1, 2, 3}));
    std::int32_t technique = 0;
    QVERIFY(store.ReadNumber(kLastSolveTech, technique));
    QCOMPARE(technique, 4);
    QVERIFY(!dialog.progress->isVisible() && !dialog.stop->isEnabled());
    QVERIFY(dialog.start->isEnabled());

    // Sorting keeps the selected board selected.
    dialog.results->setCurrentItem(dialog.results->topLevelItem(1));
    QVERIFY(dialog.importBoard->isEnabled() && dialog.exportBoard->isEnabled());
    const QString board = dialog.results->currentItem()->text(6);
    dialog.sortKey->setCurrentIndex(2);
    dialog.sortType->setCurrentIndex(1);
    const QList<int> scores = Column(dialog.results, 5);
    QVERIFY(std::is_sorted(scores.rbegin(), scores.rend()));
    QCOMPARE(dialog.results->currentItem()->text(6), board);
    QVERIFY(dialog.exportBoard->isEnabled());

    dialog.exportBoard->click();
    QCOMPARE(exported.size(), std::size_t(1));
    QCOMPARE(GridText(9, exported[0].cells), board.toStdString());
    QCOMPARE(exported[0].clueNbr, dialog.results->currentItem()->text(2).toInt());
    QCOMPARE(exported[0].name, std::string("Default"));
    QVERIFY(dialog.isVisible());
    // A click below the rows chooses none.
    QWidget* rows = dialog.results->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(rows->width() / 2, rows->height() - 5));
    QVERIFY(!dialog.importBoard->isEnabled() && !dialog.exportBoard->isEnabled());

    // Stopped before its first attempt is through: nothing found.
    platform.onPump = [&] { dialog.stop->click(); };
    QTest::mouseClick(dialog.start, Qt::LeftButton);
    QCOMPARE(platform.messages.back(), std::string("0 Board Generated ..."));
    QCOMPARE(dialog.results->topLevelItemCount(), 0);
    QVERIFY(!dialog.importBoard->isEnabled());
}

void SpecialGenerationDialogTest::importsIntoTheWindowOrClosesMidSearch() {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 99;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const auto drive = [&](auto&& act) {
        QTimer::singleShot(50, [act] {
            if (auto* dialog =
                    qobject_cast<SpecialGenerationDialog*>(QApplication::activeModalWidget()))
                act(*dialog);
        });
        window.action(CommandId::SpecialGeneration)->trigger();
    };

    const std::string before = TakeBoardSnapshot(window.document().board());
    // Closing the window mid-search stops the search, then closes as cancelled.
    drive([&platform](SpecialGenerationDialog& dialog) {
        platform.onPump = [&dialog] { dialog.close(); };
        dialog.start->click();
    });
    platform.onPump = nullptr;
    QCOMPARE(window.statusPane()->text(), QString("..."));
    QCOMPARE(TakeBoardSnapshot(window.document().board()), before);

    std::string imported;
    drive([&imported](SpecialGenerationDialog& dialog) {
        dialog.importFirst->setChecked(true);
        dialog.start->click();
        imported = GridText(9, dialog.record().cells);
    });
    QCOMPARE(window.statusPane()->text(), QString("Special Board Generated Successfully ..."));
    const SudokuBoard& board = window.document().board();
    QCOMPARE(GridText(9, board.cells), imported);
    QVERIFY(board.clueNbr > 17);
    QCOMPARE(window.document().history().UndoCount(), std::size_t(1));
    QVERIFY(!window.undoButton()->isEnabled());
    QCOMPARE(window.document().view.entryMode, static_cast<std::int32_t>(SolveMode));
    QCOMPARE(board.solutionKnown, 1);  // mistake checking prepared
    QCOMPARE(platform.messages.size(), std::size_t(0));
}

QTEST_MAIN(SpecialGenerationDialogTest)
#include "SpecialGenerationDialogTest.moc"
