// Generation by level from the window offscreen: the progress window while the loop runs, and a
// Cancel that leaves the board and its history as they were.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "shell/BoardSnapshot.h"
#include "ui/CRaruduzView.h"
#include "ui/GenerationProgressDialog.h"
#include "ui/MainDialog.h"

class GenerationProgressTest : public QObject {
    Q_OBJECT

private slots:
    void cancelLeavesTheBoardAsItWas();
    void closingTheProgressWindowMeansCancel();
};

void GenerationProgressTest::cancelLeavesTheBoardAsItWas() {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 7;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    QTest::keyClick(window.view(), '5');
    QTest::keyClick(window.view(), Qt::Key_Tab);
    QTest::keyClick(window.view(), '3');
    const std::string before = TakeBoardSnapshot(window.document().board());
    QString attemptsShown;
    bool modal = false;
    platform.onPump = [&] {
        auto* progress = window.findChild<GenerationProgressDialog*>();
        if (!progress) return;
        modal = progress->isVisible() && progress->isModal();
        attemptsShown = progress->attempts()->text();
        if (platform.pumpNbr == 3) progress->cancelButton()->click();
    };
    window.action(CommandId::GenerateBoard, 61)->trigger();
    QVERIFY(modal);
    QCOMPARE(attemptsShown, QString("Attempts: 3"));
    QCOMPARE(window.statusPane()->text(), QString("Board Generation Cancelled ..."));
    QCOMPARE(TakeBoardSnapshot(window.document().board()), before);
    QCOMPARE(window.document().history().UndoCount(), std::size_t(2));
    QVERIFY(window.undoButton()->isEnabled());
    QVERIFY(!window.findChild<GenerationProgressDialog*>());
    QCOMPARE(platform.busyDepth, 0);
    std::int32_t level = 0;
    QVERIFY(store.ReadNumber(kDefautGenerationLevel, level));
    QCOMPARE(level, 6);
}

void GenerationProgressTest::closingTheProgressWindowMeansCancel() {
    RunControl control;
    GenerationProgressDialog progress(control);
    QCOMPARE(progress.windowTitle(), QString("Board Generation"));
    progress.ShowAttempt(12);
    QCOMPARE(progress.attempts()->text(), QString("Attempts: 12"));
    progress.close();
    QVERIFY(control.stopRequested);
    QVERIFY(!progress.cancelButton()->isEnabled());
}

QTEST_MAIN(GenerationProgressTest)
#include "GenerationProgressTest.moc"
