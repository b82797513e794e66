// The Qt platform and its QSettings store, in a temporary folder.

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "FilePlatform.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "shell/ViewSettings.h"
#include "ui/QtPlatform.h"
#include "ui/QtSettingsBackend.h"

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void viewSettingsSurviveARestartAsPlainValues();
    void numbersAndTextsAreToldApartOnReading();
    void anUnwritableStoreIsReportedAndTheProgramCarriesOn();
    void theProgramFolderIsCreatedWhenMissing();
    void aQuitRequestDuringLongWorkIsPostedAgain();
};

void QtPlatformTest::viewSettingsSurviveARestartAsPlainValues() {
    QTemporaryDir folder;
    const QString file = folder.filePath("Raruduz.ini");
    ViewSettings saved;
    saved.zoomRatio = 300;
    saved.givensColour = 0x00C0FFEE;
    saved.defaultBoardSize = 16;
    saved.wordokuWordListPath = "/home/user/words, with a comma.txt";
    {
        FilePlatform platform(file);
        SettingsStore store(platform);
        SaveViewSettings(store, saved);
        store.WriteNumber("SplitterPosition", -35);
    }

    QSettings raw(file, QSettings::IniFormat);
    raw.beginGroup("Parameters");
    QCOMPARE(raw.childKeys().size(), 24);
    QFile text(file);
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QByteArray contents = text.readAll();
    QVERIFY(contents.contains("ZoomRatio=300\n"));
    QVERIFY(contents.contains("SplitterPosition=-35\n"));
    QVERIFY(!contents.contains("@Variant"));

    FilePlatform platform(file);
    SettingsStore store(platform);
    ViewSettings loaded;
    LoadViewSettings(store, loaded);
    QCOMPARE(loaded.zoomRatio, 300);
    QCOMPARE(loaded.givensColour, saved.givensColour);
    QCOMPARE(loaded.defaultBoardSize, 16);
    QCOMPARE(loaded.showMistakes, 1);
    QCOMPARE(loaded.wordokuWordListPath, saved.wordokuWordListPath);
    std::int32_t offset = 0;
    QVERIFY(store.ReadNumber("SplitterPosition", offset));
    QCOMPARE(offset, -35);
}

void QtPlatformTest::numbersAndTextsAreToldApartOnReading() {
    QTemporaryDir folder;
    const QString file = folder.filePath("Raruduz.ini");
    {
        QSettings raw(file, QSettings::IniFormat);
        raw.beginGroup("Parameters");
        raw.setValue("Plain", "42");
        raw.setValue("Negative", "-7");
        raw.setValue("Unsigned", "4294967295");
        raw.setValue("Word", "abc");
        raw.setValue("Tail", "12abc");
        raw.setValue("Spaced", " 12");
        raw.setValue("TooBig", "4294967296");
        raw.setValue("Long", QString(500, 'x'));
        raw.setValue("Longest", QString(499, 'y'));
    }
    FilePlatform platform(file);
    SettingsStore store(platform);
    std::int32_t number = 5;
    QVERIFY(store.ReadNumber("Plain", number) && number == 42);
    QVERIFY(store.ReadNumber("Negative", number) && number == -7);
    QVERIFY(store.ReadNumber("Unsigned", number) && number == -1);
    for (const char* name : {"Word", "Tail", "Spaced", "TooBig", "Missing"}) {
        number = 5;
        QVERIFY2(!store.ReadNumber(name, number) && number == 5, name);
    }
    std::string text = "kept";
    QVERIFY(store.ReadText("Plain", text) && text == "42");
    QVERIFY(!store.ReadText("Long", text) && text == "42");
    QVERIFY(store.ReadText("Longest", text) && text.size() == 499);
    QVERIFY(!store.ReadText("Missing", text));
}

void QtPlatformTest::anUnwritableStoreIsReportedAndTheProgramCarriesOn() {
    QTemporaryDir folder;
    const QString notAFolder = folder.filePath("file");
    QFile plain(notAFolder);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    FilePlatform platform(notAFolder + "/Raruduz.ini");
    SettingsStore store(platform);
    store.EnsureKey();
    QCOMPARE(platform.messages,
             std::vector<std::string>{
                 "Error Creating Branch Software\\Duvere\\Raruduz\\Parameters !!!!! (5) "});
    QVERIFY(!store.WriteNumber("ZoomRatio", 200));
    QVERIFY(!QFile::exists(notAFolder + "/Raruduz.ini"));
}

void QtPlatformTest::theProgramFolderIsCreatedWhenMissing() {
    const std::filesystem::path home = qgetenv("RARUDUZ_HOME").toStdString();
    QVERIFY(!home.empty());
    std::filesystem::remove_all(home / "sub");
    qputenv("RARUDUZ_HOME", QByteArray::fromStdString((home / "sub").string()));
    QtPlatform platform;
    QCOMPARE(platform.ProgramFolder(), home / "sub");
    QVERIFY(std::filesystem::is_directory(home / "sub"));
    QVERIFY(platform.Settings().WriteNumber("LastSolveTech", 1));
    QVERIFY(std::filesystem::exists(home / "sub" / "Raruduz.ini"));

    // Without it, the command line program uses the window's per-user data folder.
    qunsetenv("RARUDUZ_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home / "data").string()));
    QtPlatform desktop;
    HeadlessPlatform commandLine;
    QCOMPARE(commandLine.ProgramFolder(), desktop.ProgramFolder());
    QCOMPARE(desktop.ProgramFolder(), home / "data" / "Duvere" / "Raruduz");
    qputenv("RARUDUZ_HOME", QByteArray::fromStdString(home.string()));
}

void QtPlatformTest::aQuitRequestDuringLongWorkIsPostedAgain() {
    QtPlatform platform;
    bool held = false;
    // Long work started from the main loop: a quit request comes in while it pumps events.
    QTimer::singleShot(0, [&] {
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        held = !platform.PumpMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        held = held && !platform.PumpMessages();
    });
    // Once the work is over, the main loop gets the request and ends.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(9); });
    giveUp.start(3000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(held);
}

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
