// A settings file edited by hand or by another program: the window starts all the same, on a
// screen, with every bad value at its default or brought into range.

#include <QFile>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include "FilePlatform.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/CRaruduzView.h"
#include "ui/MainDialog.h"
#include "ui/QtSettingsBackend.h"

class BadSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void garbageInTheSettingsFileStartsNormally_data();
    void garbageInTheSettingsFileStartsNormally();
};

void BadSettingsTest::garbageInTheSettingsFileStartsNormally_data() {
    QTest::addColumn<QByteArray>("zoom");
    QTest::addColumn<QByteArray>("placement");
    QTest::addColumn<int>("expectedZoom");
    QTest::newRow("huge zoom, nine numbers")
        << QByteArray("100000") << QByteArray("0,1,-1,-1,-1,-1,10,10,900") << 400;
    QTest::newRow("zero zoom, off every screen")
        << QByteArray("0") << QByteArray("0,1,-1,-1,-1,-1,-9000,-9000,-8000,-8500") << 50;
    QTest::newRow("text zoom, larger than every screen")
        << QByteArray("twice") << QByteArray("2,3,-1,-1,-1,-1,-20,-20,100000,100000") << 100;
    QTest::newRow("huge window") << QByteArray("400")
                                 << QByteArray("0,1,-1,-1,-1,-1,0,0,100000,100000") << 400;
    QTest::newRow("odd zoom, upside down")
        << QByteArray("-30") << QByteArray("0,1,-1,-1,-1,-1,900,700,10,10") << 50;
    QTest::newRow("no numbers") << QByteArray("75") << QByteArray("\"garbage\"") << 75;
    QTest::newRow("empty window") << QByteArray("75") << QByteArray("0,1,-1,-1,-1,-1,0,0,0,0")
                                  << 75;
    QTest::newRow("near a ratio, out of range numbers")
        << QByteArray("130") << QByteArray("0,1,-1,-1,-1,-1,0,0,99999999999,2") << 125;
}

void BadSettingsTest::garbageInTheSettingsFileStartsNormally() {
    QFETCH(QByteArray, zoom);
    QFETCH(QByteArray, placement);
    QFETCH(int, expectedZoom);
    QTemporaryDir folder;
    const QString file = folder.filePath("Raruduz.ini");
    {
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Parameters]\nZoomRatio=" + zoom + "\nWindowPlacement=" + placement +
                  "\nSplitterPosition=-100000\nDefaultBoardSize=sixteen\nViewMode=7\n"
                  "ShowHelper=yes\nCluesColour=4278255360\nBlockColour=-1\n"
                  "MistakesColour=0x0000FF\n");
    }
    FilePlatform platform(file);
    SettingsStore store(platform);
    store.EnsureKey();
    MainDialog window(platform, store);
    window.ShowPlaced();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect screen = window.screen()->availableGeometry();
    QVERIFY(window.isVisible());
    QVERIFY2(screen.intersects(window.frameGeometry()), qPrintable(placement));
    QVERIFY(window.width() <= screen.width() && window.height() <= screen.height());
    QVERIFY(window.width() >= 400 && window.height() >= 200);
    QVERIFY(window.splitter()->sizes().front() >= 100);
    QVERIFY(window.splitter()->sizes().back() >= 100);
    QCOMPARE(window.view()->zoom(), expectedZoom);
    const ViewSettings& settings = window.document().settings;
    QCOMPARE(settings.zoomRatio, expectedZoom);
    QCOMPARE(window.document().board().size, 9);
    QCOMPARE(settings.viewMode, 0);
    QCOMPARE(settings.showHelper, 1);
    QCOMPARE(settings.cluesColour, 0x00FF00u);
    QCOMPARE(settings.blockColour, 0xFFFFFFu);
    QCOMPARE(settings.mistakesColour, ViewSettings{}.mistakesColour);
    QVERIFY(platform.messages.empty());
    window.close();
}

QTEST_MAIN(BadSettingsTest)
#include "BadSettingsTest.moc"
