// Wordoku on the desktop, offscreen: the letter-assignment dialog driven through its widgets, and
// the window's entry buttons, candidate popup and mode label in letters.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "platform/HeadlessPlatform.h"
#include "platform/SettingsStore.h"
#include "ui/AssignWordokuLettersDialog.h"
#include "ui/CRaruduzView.h"
#include "ui/CandidatePopup.h"
#include "ui/MainDialog.h"

class WordokuTest : public QObject {
    Q_OBJECT

private slots:
    void locationListsFollowTheChosenKind();
    void lettersBoxRefusesWhatIsNotLettersAndRestoresTheText();
    void applyShowsTheLettersAndOkHandsThemBack();
    void windowShowsLettersOnButtonsPopupAndModeLabel();
};

namespace {
constexpr char kClassicPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The puzzle's clues with their solution proven; the word's place is row 1, which reads
// 5 3 4 6 7 8 9 1 2.
std::unique_ptr<SudokuBoard> SolvedClassic(HeadlessPlatform& platform) {
    auto board = std::make_unique<SudokuBoard>(platform);
    for (int i = 0; i < 81; ++i)
        if (kClassicPuzzle[i] != '.')
            board->SetValue(SetMode, i % 9, i / 9, kClassicPuzzle[i] - '0');
    board->SolveBruteForce(StopAtSecondSolution);
    board->wordokuLocationKind = RowLocation;
    board->wordokuLocationNbr = 1;
    return board;
}

QString RowText(const AssignWordokuLettersDialog& dialog, bool letters) {
    QString text;
    for (int j = 0; j < 9; ++j)
        text += (letters ? dialog.letterButton(j) : dialog.locationButton(j))->text();
    return text;
}
}  // namespace

void WordokuTest::locationListsFollowTheChosenKind() {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    AssignWordokuLettersDialog dialog(*board, WordokuOptions(), platform);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Assign Wordoku Letters"));
    QCOMPARE(dialog.kindButton(RowLocation)->text(), QString("Row Selection "));
    QCOMPARE(dialog.kindButton(ColumnLocation)->text(), QString("Column Selection "));
    QCOMPARE(dialog.kindButton(BlockLocation)->text(), QString("Block Selection"));
    QComboBox* rows = dialog.locationList(RowLocation);
    QComboBox* columns = dialog.locationList(ColumnLocation);
    QComboBox* blocks = dialog.locationList(BlockLocation);
    QCOMPARE(rows->count(), 10);
    QCOMPARE(rows->itemText(0), QString("None"));
    QCOMPARE(rows->itemText(9), QString("Row 9"));
    QCOMPARE(blocks->itemText(2), QString("Block 2"));
    QVERIFY(dialog.kindButton(RowLocation)->isChecked());
    QVERIFY(rows->isEnabled() && !columns->isEnabled() && !blocks->isEnabled());
    QCOMPARE(rows->currentText(), QString("Row 1"));
    QCOMPARE(columns->currentText(), QString("None"));
    QCOMPARE(RowText(dialog, false), QString("534678912"));

    QTest::mouseClick(dialog.kindButton(BlockLocation), Qt::LeftButton);
    QVERIFY(!rows->isEnabled() && !columns->isEnabled() && blocks->isEnabled());
    QCOMPARE(rows->currentText(), QString("None"));
    QCOMPARE(RowText(dialog, false), QString("123456789"));
    blocks->setCurrentIndex(2);
    emit blocks->activated(2);
    QCOMPARE(RowText(dialog, false), QString("678195342"));
    QCOMPARE(dialog.model().number(), 2);
}

void WordokuTest::lettersBoxRefusesWhatIsNotLettersAndRestoresTheText() {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    AssignWordokuLettersDialog dialog(*board, WordokuOptions(), platform);
    dialog.show();
    QLineEdit* box = dialog.lettersBox();
    box->setFocus();
    QTest::keyClicks(box, "mindforc");
    QCOMPARE(box->text(), QString("MINDFORC"));
    QCOMPARE(RowText(dialog, true), QString("MINDFORC."));
    QVERIFY(!dialog.okButton()->isEnabled() && !dialog.applyButton()->isEnabled());
    QTest::keyClick(box, Qt::Key_E);
    QVERIFY(dialog.okButton()->isEnabled() && dialog.applyButton()->isEnabled());
    QVERIFY(platform.messages.empty());

    // A tenth letter is refused and the nine stay.
    QTest::keyClick(box, Qt::Key_E);
    QCOMPARE(box->text(), QString("MINDFORCE"));
    QCOMPARE(QString::fromStdString(platform.messages.back()),
             QString("Maximum Length Reached !!! "));

    // Pasted: 10,000 characters, and letters outside the single-byte Western code page.
    const QString pasted[] = {QString(10000, 'Q'), QString::fromUtf8("MIN\u0416"),
                              QString::fromUtf8("MIN\u00C4")};
    const QString messages[] = {"Maximum Length Reached !!! ", "Invalid Character Entered !!!!",
                                "Invalid Character Entered !!!!"};
    for (int i = 0; i < 3; ++i) {
        platform.messages.clear();
        QApplication::clipboard()->setText(pasted[i]);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QString("MINDFORCE"));
        QCOMPARE(platform.messages.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(platform.messages.back()), messages[i]);
    }
}

void WordokuTest::applyShowsTheLettersAndOkHandsThemBack() {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    AssignWordokuLettersDialog dialog(*board, WordokuOptions(), platform);
    dialog.show();
    QCOMPARE(dialog.previewButton(0, 0)->text(), QString("5"));
    QTest::keyClicks(dialog.lettersBox(), "blueprint");
    QTest::mouseClick(dialog.applyButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    // 5 3 4 6 7 8 9 1 2 along row 1: the first row reads the word.
    QString firstRow;
    for (int x = 0; x < 9; ++x) firstRow += dialog.previewButton(x, 0)->text();
    QCOMPARE(firstRow, QString("BLUEPRINT"));
    QCOMPARE(dialog.previewButton(1, 1)->text(), QString("P"));  // 7
    QTest::mouseClick(dialog.digitsButton(), Qt::LeftButton);
    QCOMPARE(dialog.previewButton(1, 1)->text(), QString("7"));
    QTest::mouseClick(dialog.lettersButton(), Qt::LeftButton);
    QCOMPARE(dialog.previewButton(1, 1)->text(), QString("P"));
    // The board is untouched until OK.
    QCOMPARE(board->wordokuString, std::string());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const WordokuAssignment result = dialog.model().Result();
    QCOMPARE(QString::fromStdString(result.letters), QString("BLUEPRINT"));
    QCOMPARE(QString::fromStdString(result.copy), QString("NTLUBEPRI"));
    QCOMPARE(result.kind, RowLocation);
    QCOMPARE(result.number, 1);
}

void WordokuTest::windowShowsLettersOnButtonsPopupAndModeLabel() {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    MainDialog window(platform, store);
    window.show();
    const char* puzzle = kClassicPuzzle;
    for (int i = 0; i < 81; ++i) {
        if (puzzle[i] == '.') continue;
        window.document().view.selectedX = i % 9;
        window.document().view.selectedY = i / 9;
        QTest::keyClick(window.view(), Qt::Key(puzzle[i]));
    }
    window.RunCommand(CommandId::SolveBoard);
    QTest::mouseClick(window.modeLabel(), Qt::LeftButton);
    QVERIFY(platform.messages.empty());

    window.RunCommand(CommandId::WordokuMode, 1);
    QCOMPARE(window.modeLabel()->text(), QString("Wordoku"));
    const std::string letters = window.document().board().wordokuStringCopy;
    for (int value = 1; value <= 9; ++value)
        QCOMPARE(window.entryButton(value)->text(), QString(QChar::fromLatin1(letters[value - 1])));
    QTest::mouseClick(window.modeLabel(), Qt::LeftButton);
    QCOMPARE(platform.messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(platform.messages[0]).startsWith("Wordoku View Mode\n\n"));

    // The popup on (2, 0), whose solution is 4, shows the letters and enters through them.
    window.document().view.selectedX = 2;
    window.document().view.selectedY = 0;
    QString faces;
    QTimer::singleShot(50, [&window, &faces] {
        CandidatePopup* popup = window.candidatePopup();
        if (!popup) return;
        for (int value = 1; value <= 9; ++value)
            faces += popup->button(CandidatePopup::Choice::Enter, value)->text();
        popup->button(CandidatePopup::Choice::Enter, 4)->click();
    });
    QTest::keyClick(window.view(), Qt::Key_Menu);
    QCOMPARE(faces, QString::fromStdString(letters));
    QCOMPARE(window.document().board().Cell(2, 0).value, 4);

    window.RunCommand(CommandId::SudokuMode);
    QCOMPARE(window.modeLabel()->text(), QString("Sudoku"));
    QCOMPARE(window.entryButton(4)->text(), QString("4"));
    QCOMPARE(window.document().board().wordokuStringCopy, letters);
}

QTEST_MAIN(WordokuTest)
#include "WordokuTest.moc"
