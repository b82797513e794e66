#include "files/BoardImport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "TestSupport.h"
#include "files/ImportDialogModel.h"
#include "platform/HeadlessPlatform.h"

namespace {

std::vector<BoardData> Scan(std::string_view text, BoardScan* scan = nullptr) {
    std::vector<BoardData> records;
    const BoardScan result =
        ScanBoardText(text, 1, [&records](const BoardData& r) { records.push_back(r); });
    if (scan) *scan = result;
    return records;
}

// Headings, separators, an accented comment, letter boards and plural skip messages run in the
// import scenario; here the finer rules.
TEST(BoardImport, RecordDefaultsCommentMarksAndLongRuns) {
    const auto records = Scan(kClassicPuzzle);
    ASSERT_EQ(records.size(), 1u);
    const BoardData& r = records[0];
    EXPECT_EQ((std::array<int, 4>{r.size, r.clueNbr, r.givenNbr, r.emptyNbr}),
              (std::array<int, 4>{9, 30, 0, 51}));
    EXPECT_EQ(r.Cell(0, 0), (BoardCell{5, Clue, 0x1FFu, 9}));
    EXPECT_EQ(r.Cell(1, 1).type, Empty);
    EXPECT_EQ(r.wordokuString, "VOZARAZAR");
    EXPECT_EQ(r.wordokuStringCopy, "VOZARAZAR");
    EXPECT_EQ(BoardListLine(r), kClassicPuzzle);

    const std::string puzzle(kClassicPuzzle);
    // Every comment character, the seven Windows-1252 ones included.
    for (char mark : std::string("?,;:=%)<>(}{!&#$[]\xA3\xF9\xB5\xE7\xE0\xE8\xE9"))
        EXPECT_EQ(Scan(std::string(1, mark) + " 123 words\n" + puzzle).size(), 1u)
            << int(static_cast<unsigned char>(mark));
    // A comment mark counts only as the first character.
    EXPECT_EQ(Scan(" #x\n" + puzzle).size(), 0u);
    // Lower case is read as upper case; "X" is an empty cell of a digit board.
    std::string lower = puzzle;
    lower[2] = 'x';
    ASSERT_EQ(Scan(lower).size(), 1u);
    EXPECT_EQ(Scan(lower)[0].Cell(2, 0).value, -1);
    // A run that passes 81 collects on towards 256 and never ends past it.
    EXPECT_EQ(Scan(puzzle + "1\n" + puzzle + "\n" + puzzle).size(), 0u);
}

TEST(BoardImport, LetterBoardsAreNumberedAlphabetically) {
    std::string text(kClassicPuzzle);
    const std::string letters = "QWERTKLMN";  // digit d becomes letters[d - 1]
    for (char& c : text)
        if (c >= '1' && c <= '9') c = letters[c - '1'];
    const auto records = Scan(text);
    ASSERT_EQ(records.size(), 1u);
    const BoardData& r = records[0];
    EXPECT_EQ(r.wordokuString, "EKLMNQRTW");
    EXPECT_EQ(r.wordokuStringCopy, "EKLMNQRTW");
    EXPECT_EQ(r.wordokuLocationKind, 1);
    EXPECT_EQ(r.wordokuLocationNbr, 2);
    EXPECT_EQ(BoardListLine(r), text);

    // Ten letters or fewer and no digit: a digit board, where "A".."G" are 10..16.
    std::string few(81, '.');
    for (int i = 0; i < 10; ++i) few[i * 8] = 'A';
    BoardScan scan;
    EXPECT_TRUE(Scan(few, &scan).empty());
    EXPECT_EQ(scan.skippedNbr, 1);  // 10 is too big for a 9x9 board
}

TEST(BoardImport, SixteenBySixteenBoards) {
    std::string text = Grid16();
    for (int row = 15; row > 0; --row) text.insert(row * 16, "\n");
    const auto records = Scan(text);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].clueNbr, 256);
    EXPECT_EQ(records[0].Cell(0, 0).candidates, 0xFFFFu);
    EXPECT_EQ(records[0].Cell(15, 0).value, 16);
    std::string noDigit;
    for (char c : text) noDigit += c == '\n' ? c : static_cast<char>(c >= 'A' ? c : '.');
    const auto letterBoards = Scan(noDigit);
    ASSERT_EQ(letterBoards.size(), 1u);
    EXPECT_EQ(letterBoards[0].wordokuString, "ABCDEFG");
}

TEST(BoardImport, BoardsWithoutMeaningAreSkippedAndCounted) {
    const std::string puzzle(kClassicPuzzle);
    std::string beyondG = puzzle, withA = puzzle;
    beyondG[3] = 'H';
    withA[3] = 'A';
    std::string letterY(81, '.');
    for (int i = 0; i < 12; ++i) letterY[i * 6] = static_cast<char>('A' + i);
    letterY[80] = 'Y';
    std::string tooManyLetters(81, '.');
    for (int i = 0; i < 12; ++i) tooManyLetters[i * 6] = static_cast<char>('A' + i);
    BoardScan scan;
    const auto records = Scan(
        beyondG + "\n" + puzzle + "\n" + withA + "\n" + letterY + "\n" + tooManyLetters, &scan);
    EXPECT_EQ(records.size(), 1u);
    EXPECT_EQ(scan.skippedNbr, 4);

    HeadlessPlatform platform;
    ReportSkippedBoards(platform, 0);
    ReportSkippedBoards(platform, 1);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{
                  "1 Board Skipped ... Symbols Out of Range for the Board Size !!!"}));
}

TEST(BoardImport, TheWholeClipboardIsReadAndBinaryDataRefused) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path();
    for (int i = 0; i < 100; ++i) platform.clipboardText += std::string(kClassicPuzzle) + "\r\n";
    BoardList boards;
    EXPECT_EQ(ImportClipboard(platform, boards), 100);
    EXPECT_EQ(ReadBytes(folder / "Clipboard.txt"), platform.clipboardText + "\r\n");
    EXPECT_TRUE(platform.messages.empty());

    // Binary data full of symbols would read as boards: it is refused and the file stays.
    platform.clipboardText = std::string(kClassicPuzzle) + '\0' + "\x89PNG";
    EXPECT_EQ(ImportClipboard(platform, boards), 0);
    EXPECT_EQ(boards.Count(), 0);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"The Clipboard Holds no Text Data !!!"}));
    EXPECT_EQ(ReadBytes(folder / "Clipboard.txt").size(), 100u * 83 + 2);
}

// The list keeps each board's text and makes the record again whenever it is asked for.
TEST(BoardList, KeepsAcceptedRunsAndRebuildsTheirRecords) {
    // No digit but "0": a 16 x 16 digit board of values 10..16, whose list line alone would read
    // as a letter board.
    std::string tens(256, '0');
    for (int i = 0; i < 40; ++i) tens[i * 6] = static_cast<char>('A' + i % 7);
    std::string letters(kClassicPuzzle);
    for (char& c : letters)
        if (c >= '1' && c <= '9') c = static_cast<char>('J' + (c - '1'));

    BoardList boards(2);
    EXPECT_TRUE(boards.Add(kClassicPuzzle));
    EXPECT_FALSE(boards.Add(std::string(kClassicPuzzle).replace(0, 1, "H")));
    EXPECT_TRUE(boards.Add(tens));
    EXPECT_TRUE(boards.Add(letters));
    ASSERT_EQ(boards.Count(), 3);
    EXPECT_EQ(boards.LongestRun(), 256);

    const std::vector<BoardData> scanned =
        Scan(std::string(kClassicPuzzle) + "\n" + tens + "\n" + letters);
    ASSERT_EQ(scanned.size(), 3u);
    BoardData record;
    for (int i = 0; i < 3; ++i) {
        boards.Record(i, record);
        EXPECT_EQ(record.cells, scanned[i].cells) << i;
        EXPECT_EQ(record.isWordoku, scanned[i].isWordoku) << i;
        EXPECT_EQ(record.wordokuString, scanned[i].wordokuString) << i;
        EXPECT_EQ(record.wordokuAssignType, 2) << i;
        EXPECT_EQ(boards.ListLine(i), BoardListLine(scanned[i])) << i;
    }
    EXPECT_FALSE(scanned[1].isWordoku);
    EXPECT_EQ(scanned[1].Cell(0, 0).value, 10);

    const BoardList subset = boards.Subset({2, 9, 0, -1});
    ASSERT_EQ(subset.Count(), 2);
    EXPECT_EQ(subset.Run(0), letters);
    EXPECT_EQ(subset.Run(1), kClassicPuzzle);
    EXPECT_EQ(subset.AssignType(), 2);
}

TEST(BoardImport, ALongReadReportsProgressAndStops) {
    TempFolder folder;
    HeadlessPlatform platform;
    std::string text;
    for (int i = 0; i < 4000; ++i) text += std::string(kClassicPuzzle) + "\r\n";
    WriteBytes(folder / "many.txt", text);

    std::vector<int> percents;
    RunControl control;
    control.progress = [&percents](int percent) { percents.push_back(percent); };
    BoardList boards;
    EXPECT_EQ(ReadBoardFile(platform, folder / "many.txt", boards, &control), 4000);
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_GT(percents.front(), 0);
    EXPECT_LT(percents.back(), 100);

    // Stopped half-way: nothing is kept and nothing is said.
    control.progress = [&control](int percent) { control.stopRequested = percent >= 50; };
    EXPECT_EQ(ReadBoardFile(platform, folder / "many.txt", boards, &control), 0);
    EXPECT_EQ(boards.Count(), 0);
    ImportDialogModel dialog(platform, ImportSource::File, 0);
    EXPECT_EQ(dialog.Import(folder / "many.txt", &control), 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ImportDialogModel, ListsSelectsAndHandsBackTheBoard) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path();
    ImportDialogModel dialog(platform, ImportSource::Clipboard, 2);
    EXPECT_STREQ(dialog.Title(), "Import Board Data from Clipboard");
    EXPECT_STREQ(ImportDialogModel(platform, ImportSource::File, 0).Title(),
                 "Import Board Data from Text File");
    platform.clipboardText = std::string(kClassicPuzzle) + "\n" + std::string(81, '.');
    EXPECT_EQ(dialog.Import(), 2);
    EXPECT_EQ(dialog.BoardNbrText(), "2");
    EXPECT_EQ(dialog.Boards().ListLine(1), std::string(81, '.'));
    EXPECT_TRUE(dialog.Selection({1}).importEnabled);
    EXPECT_EQ(dialog.Selection({1}).selectedIndexText, "1");
    EXPECT_FALSE(dialog.Selection({0, 1}).importEnabled);
    EXPECT_TRUE(dialog.Selection({0, 1}).batchEnabled);
    EXPECT_EQ(dialog.Selection({0, 1}).selectedIndexText, "");

    BoardData target;
    EXPECT_TRUE(dialog.ImportSelected({0}, target));
    EXPECT_EQ(target.clueNbr, 30);
    EXPECT_EQ(target.wordokuAssignType, 2);
    EXPECT_FALSE(dialog.ImportSelected({0, 1}, target));
    EXPECT_EQ(platform.messages.back(), "Error Selecting the Board !!! End of Job ...");
    EXPECT_EQ(dialog.SelectedBoards({1, 7}).Count(), 1);

    // Nothing, binary data: the boards listed before are gone and the user is told.
    platform.messages.clear();
    platform.clipboardText.clear();
    EXPECT_EQ(dialog.Import(), 0);
    EXPECT_EQ(dialog.BoardNbrText(), "");
    platform.clipboardText = std::string("\0\0", 2);
    EXPECT_EQ(dialog.Import(), 0);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Unable to Get Board Data !!!",
                                                           "The Clipboard Holds no Text Data !!!",
                                                           "Unable to Get Board Data !!!"}));
}
}  // namespace
