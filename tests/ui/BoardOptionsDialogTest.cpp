// The options dialog offscreen: its pages and labels, colour buttons answered from the headless
// platform's chooser queue, the reset, the Wordoku page, and what OK and Cancel store.

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "ui/BoardOptionsDialog.h"
#include "ui/ColourButton.h"
#include "ui/MainDialog.h"

class BoardOptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void pagesLabelsAndInitialValues();
    void colourButtonsAndReset();
    void wordokuPageBrowsesAndPlacesTheWord();
    void okStoresAllValuesAndCancelNothing();
};

namespace {
QCheckBox* Flag(const QDialog& dialog, const char* name) {
    return dialog.findChild<QCheckBox*>(name);
}
ColourButton* ColourOf(const QDialog& dialog, const char* name) {
    return dialog.findChild<ColourButton*>(name);
}
QRadioButton* Radio(const QDialog& dialog, const QString& text) {
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>())
        if (radio->text() == text) return radio;
    return nullptr;
}
QComboBox* List(const QDialog& dialog, const char* name) {
    return dialog.findChild<QComboBox*>(name);
}
}  // namespace

void BoardOptionsDialogTest::pagesLabelsAndInitialValues() {
    HeadlessPlatform platform;
    BoardOptions options;
    options.settings.markAltColour = 0x010203;
    options.settings.showPencilMarksSetMode = 1;
    options.settings.wordokuLocAssignmentType = 2;
    options.settings.wordokuLocationNbr = 7;
    options.allowBruteForceTech = 0;
    BoardOptionsDialog dialog(platform, options);
    QCOMPARE(dialog.windowTitle(), QString("Raruduz Options"));
    const QStringList tabs = {"Board Colours", "Pencils Marks",  "Board Setup",
                              "Board Solving", "Workdoku Setup", "File Handling"};
    QCOMPARE(dialog.tabs()->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) QCOMPARE(dialog.tabs()->tabText(i), tabs[i]);

    QCOMPARE(Flag(dialog, "ShowMistakes")->text(), QString("Show &Mistakes   "));
    QCOMPARE(Flag(dialog, "AllowBruteForceTech")->text(),
             QString("&Allow Brute-Force Guess Technique "));
    QVERIFY(!Flag(dialog, "AllowBruteForceTech")->isChecked());
    QVERIFY(Flag(dialog, "ShowPencilMarksSetMode")->isChecked());
    QCOMPARE(ColourOf(dialog, "MarkAltColour")->colour(), 0x010203u);
    QCOMPARE(dialog.resetButton()->text(), QString("&Reset to Default Options"));

    // Only the chosen location kind's list is live, at the number; the others read "None".
    QVERIFY(Radio(dialog, "Default Column")->isChecked());
    QVERIFY(Radio(dialog, "Random Letters Assignment on Switch to Wordoku")->isChecked());
    QVERIFY(List(dialog, "WordokuColumnList")->isEnabled());
    QCOMPARE(List(dialog, "WordokuColumnList")->currentText(), QString("Column 7"));
    QVERIFY(!List(dialog, "WordokuRowList")->isEnabled());
    QCOMPARE(List(dialog, "WordokuRowList")->currentText(), QString("None"));

    // Nothing edited: the same options come back.
    const BoardOptions unchanged = dialog.options();
    QCOMPARE(unchanged.settings.wordokuLocationNbr, 7);
    QCOMPARE(unchanged.allowBruteForceTech, 0);
}

void BoardOptionsDialogTest::colourButtonsAndReset() {
    HeadlessPlatform platform;
    BoardOptions options;
    options.settings.zoomRatio = 300;
    options.settings.cluesColour = 0x000001;
    BoardOptionsDialog dialog(platform, options);
    ColourButton* clues = ColourOf(dialog, "CluesColour");
    QCOMPARE(clues->menu()->actions().front()->text(), QString("Automatic"));
    QCOMPARE(clues->moreColoursAction()->text(), QString("More Colours..."));

    platform.colourChoices = {0x00ABCDEF, std::nullopt};
    clues->moreColoursAction()->trigger();
    QCOMPARE(clues->colour(), 0xABCDEFu);
    clues->moreColoursAction()->trigger();  // cancelled: the colour stays
    QCOMPARE(clues->colour(), 0xABCDEFu);
    QVERIFY(platform.colourChoices.empty());
    clues->automaticAction()->trigger();
    QCOMPARE(clues->colour(), 0x00FF00u);
    QCOMPARE(clues->swatches().size(), 40);
    clues->swatches().back()->click();  // white
    QCOMPARE(dialog.options().settings.cluesColour, 0xFFFFFFu);

    ColourOf(dialog, "BlockColour")->swatches().front()->click();  // black
    Flag(dialog, "AllowBruteForceTech")->setChecked(false);
    dialog.resetButton()->click();
    const BoardOptions reset = dialog.options();
    QCOMPARE(reset.settings.blockColour, 0xA4A4A4u);
    QCOMPARE(reset.settings.cluesColour, 0xFFFFFFu);
    QCOMPARE(reset.allowBruteForceTech, 1);
    QCOMPARE(reset.settings.zoomRatio, 300);
    QVERIFY(Flag(dialog, "AlternateColour")->isChecked());
}

void BoardOptionsDialogTest::wordokuPageBrowsesAndPlacesTheWord() {
    HeadlessPlatform platform;
    BoardOptionsDialog dialog(platform, BoardOptions{});
    QRadioButton* randomWord = Radio(dialog, "Random Word Assignment on Switch to Wordoku");
    QVERIFY(randomWord);
    auto* path = dialog.findChild<QLineEdit*>("WordokuWordListPath");

    // Choosing the random word browses at once; no path is reported, the choice is kept.
    randomWord->click();
    QCOMPARE(platform.fileChooserTitles.size(), std::size_t(1));
    QCOMPARE(platform.messages.back(),
             std::string("Invalid File Path!!! With Invalid path, Raruduz uses Randown "
                         "Assignment ..."));
    QCOMPARE(dialog.options().settings.wordokuAssignmentType, 1);

    platform.fileChoices = {std::filesystem::path("/data/words.txt"),
                            std::filesystem::path("/" + std::string(500, 'w')), std::nullopt};
    dialog.browseButton()->click();
    QCOMPARE(path->text(), QString("/data/words.txt"));
    const std::size_t messages = platform.messages.size();
    dialog.browseButton()->click();  // a path the store could not keep whole
    QCOMPARE(platform.messages.size(), messages + 1);
    QCOMPARE(path->text(), QString("/data/words.txt"));
    randomWord->click();  // cancelled, but a path is already there
    QCOMPARE(platform.messages.size(), messages + 1);

    Radio(dialog, "Default Block")->click();
    QVERIFY(List(dialog, "WordokuBlockList")->isEnabled());
    QCOMPARE(List(dialog, "WordokuBlockList")->currentText(), QString("Block 1"));
    List(dialog, "WordokuBlockList")->setCurrentIndex(5);
    emit List(dialog, "WordokuBlockList")->activated(5);
    Radio(dialog, "Random Location")->click();
    QVERIFY(!List(dialog, "WordokuBlockList")->isEnabled());
    QCOMPARE(List(dialog, "WordokuBlockList")->currentText(), QString("None"));
    const ViewSettings settings = dialog.options().settings;
    QCOMPARE(settings.wordokuWordListPath, std::string("/data/words.txt"));
    QCOMPARE(settings.wordokuLocAssignmentType, 0);
    QCOMPARE(settings.wordokuLocationNbr, 5);
}

void BoardOptionsDialogTest::okStoresAllValuesAndCancelNothing() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    window.action(CommandId::Zoom, 250)->trigger();
    const auto answer = [](auto&& edit) {
        QTimer::singleShot(50, [edit] {
            auto* dialog = qobject_cast<BoardOptionsDialog*>(QApplication::activeModalWidget());
            if (dialog) edit(*dialog);
        });
    };
    const auto valuesBefore = platform.settings.Values();
    answer([](BoardOptionsDialog& dialog) {
        Flag(dialog, "ShowMistakes")->setChecked(false);
        dialog.reject();
    });
    window.action(CommandId::BoardOptions)->trigger();
    QCOMPARE(platform.settings.Values(), valuesBefore);
    QCOMPARE(window.document().settings.showMistakes, 1);

    platform.fileChoices = {std::filesystem::path("/w.txt")};
    answer([](BoardOptionsDialog& dialog) {
        Flag(dialog, "ShowMistakes")->setChecked(false);
        Flag(dialog, "AllowBruteForceTech")->setChecked(false);
        ColourOf(dialog, "HighLightColour")->swatches().front()->click();
        Radio(dialog, "Random Word Assignment on Switch to Wordoku")->click();
        dialog.accept();
    });
    window.action(CommandId::BoardOptions)->trigger();
    // The permission is the board's: stored when the board goes.
    QCOMPARE(window.document().board().allowBruteForceTech, 0);
    QCOMPARE(platform.settings.Values().count(kAllowBruteForceTech), std::size_t(0));

    // The 23 view settings were new to the store: 22 numbers and the words path as a text.
    int numbers = 0, texts = 0;
    for (const auto& [name, value] : platform.settings.Values())
        if (!valuesBefore.count(name))
            (std::holds_alternative<std::string>(value) ? texts : numbers)++;
    QCOMPARE(numbers, 22);
    QCOMPARE(texts, 1);
    SettingsStore fresh(platform);
    ViewSettings stored;
    LoadViewSettings(fresh, stored);
    QCOMPARE(stored.zoomRatio, 250);
    QCOMPARE(stored.showMistakes, 0);
    QCOMPARE(stored.highLightColour, 0u);
    QCOMPARE(stored.wordokuAssignmentType, 1);
    QCOMPARE(stored.wordokuWordListPath, std::string("/w.txt"));
}

QTEST_MAIN(BoardOptionsDialogTest)
#include "BoardOptionsDialogTest.moc"
