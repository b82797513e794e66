#include "files/BoardImport.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "files/ImportDialogModel.h"
#include "platform/HeadlessPlatform.h"

namespace {
const char kPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

std::vector<BoardData> Scan(std::string_view text, BoardScan* scan = nullptr) {
    std::vector<BoardData> records;
    const BoardScan result =
        ScanBoardText(text, 1, [&records](const BoardData& r) { records.push_back(r); });
    if (scan) *scan = result;
    return records;
}

TEST(BoardImport, OneLineDigitBoardFillsTheRecord) {
    const auto records = Scan(kPuzzle);
    ASSERT_EQ(records.size(), 1u);
    const BoardData& r = records[0];
    EXPECT_EQ(r.name, "Default");
    EXPECT_EQ(r.description, "");
    EXPECT_EQ(r.level, 0);
    EXPECT_EQ(r.size, 9);
    EXPECT_EQ(r.boxSize, 3);
    EXPECT_EQ(r.clueNbr, 30);
    EXPECT_EQ(r.givenNbr, 0);
    EXPECT_EQ(r.emptyNbr, 51);
    EXPECT_EQ(r.Cell(0, 0).value, 5);
    EXPECT_EQ(r.Cell(0, 0).type, Clue);
    EXPECT_EQ(r.Cell(1, 1).value, -1);
    EXPECT_EQ(r.Cell(1, 1).type, Empty);
    EXPECT_EQ(r.Cell(8, 8).value, 9);
    EXPECT_EQ(r.Cell(0, 0).candidates, 0x1FFu);
    EXPECT_EQ(r.Cell(0, 0).candidateNbr, 9);
    EXPECT_EQ(r.isWordoku, 0);
    EXPECT_EQ(r.wordokuAssignType, 1);
    EXPECT_EQ(r.wordokuLocationKind, -1);
    EXPECT_EQ(r.wordokuLocationNbr, -1);
    EXPECT_EQ(r.wordokuString, "VOZARAZAR");
    EXPECT_EQ(r.wordokuStringCopy, "VOZARAZAR");
    EXPECT_EQ(BoardListLine(r), kPuzzle);
}

TEST(BoardImport, CommentsSeparatorsAndHeadings) {
    std::string grid;
    const std::string puzzle(kPuzzle);
    for (int row = 0; row < 9; ++row) {
        std::string line = puzzle.substr(row * 9, 9);
        for (char& c : line)
            if (c == '.') c = '0';
        grid += line.substr(0, 3) + " | " + line.substr(3, 3) + " | " + line.substr(6) + "\r\n";
        if (row == 2 || row == 5) grid += "------+-------+------\r\n";
    }
    EXPECT_EQ(Scan("# heading\n" + grid).size(), 1u);
    // Every comment character, the seven Windows-1252 ones included.
    for (char mark : std::string("?,;:=%)<>(}{!&#$[]\xA3\xF9\xB5\xE7\xE0\xE8\xE9")) {
        const auto records = Scan(std::string(1, mark) + " 123 words\n" + grid);
        EXPECT_EQ(records.size(), 1u) << int(static_cast<unsigned char>(mark));
    }
    // A heading of plain words adds its letters and spoils the board.
    EXPECT_EQ(Scan("Puzzle one\n" + grid).size(), 0u);
    // A comment mark counts only as the first character.
    EXPECT_EQ(Scan(" #x\n" + grid).size(), 0u);
    // Three boards and 40 stray symbols.
    EXPECT_EQ(Scan(puzzle + "\n" + puzzle + "\n" + puzzle + "\n" + puzzle.substr(0, 40)).size(),
              3u);
    // Lower case is read as upper case; "X" is an empty cell of a digit board.
    std::string lower = puzzle;
    lower[2] = 'x';
    const auto records = Scan(lower);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Cell(2, 0).value, -1);
    // A run that passes 81 collects on towards 256 and never ends past it.
    EXPECT_EQ(Scan(puzzle + "1\n" + puzzle + "\n" + puzzle).size(), 0u);
}

TEST(BoardImport, LetterBoardsAreNumberedAlphabetically) {
    std::string text(kPuzzle);
    const std::string letters = "QWERTKLMN";  // digit d becomes letters[d - 1]
    for (char& c : text)
        if (c >= '1' && c <= '9') c = letters[c - '1'];
    const auto records = Scan(text);
    ASSERT_EQ(records.size(), 1u);
    const BoardData& r = records[0];
    EXPECT_EQ(r.isWordoku, 1);
    EXPECT_EQ(r.wordokuString, "EKLMNQRTW");
    EXPECT_EQ(r.wordokuStringCopy, "EKLMNQRTW");
    EXPECT_EQ(r.wordokuLocationKind, 1);
    EXPECT_EQ(r.wordokuLocationNbr, 2);
    EXPECT_EQ(r.Cell(0, 0).value, 8);  // "T", the 8th letter of the string
    EXPECT_EQ(BoardListLine(r), text);

    // Ten letters or fewer and no digit: a digit board, where "A".."G" are 10..16.
    std::string few(81, '.');
    for (int i = 0; i < 10; ++i) few[i * 8] = 'A';
    const auto digitBoards = Scan(few);
    BoardScan scan;
    Scan(few, &scan);
    EXPECT_EQ(scan.boardNbr, 0);
    EXPECT_EQ(scan.skippedNbr, 1);  // 10 is too big for a 9x9 board
    EXPECT_TRUE(digitBoards.empty());
}

TEST(BoardImport, SixteenBySixteenBoards) {
    std::string text;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column)
            text += kValueSymbols[(row * 4 + row / 4 + column) % 16 + 1];
        text += "\n";
    }
    const auto records = Scan(text);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].size, 16);
    EXPECT_EQ(records[0].boxSize, 4);
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
    const std::string puzzle(kPuzzle);
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
    ReportSkippedBoards(platform, 4);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{
                  "1 Board Skipped ... Symbols Out of Range for the Board Size !!!",
                  "4 Boards Skipped ... Symbols Out of Range for the Board Size !!!"}));
}

TEST(BoardImport, ReadBoardFileReportsUnreadableFiles) {
    TempFolder folder;
    HeadlessPlatform platform;
    std::vector<BoardData> records;
    const auto missing = folder / "none.txt";
    EXPECT_EQ(ReadBoardFile(platform, missing, records, 0), 0);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{
                                     "Unable to Open File ... File Not Found",
                                     "Unable to Read Sudoku File " + missing.string() + "... "}));
    WriteBytes(folder / "two.sdk", std::string(kPuzzle) + "\r\n" + kPuzzle + "\r\n");
    EXPECT_EQ(ReadBoardFile(platform, folder / "two.sdk", records, 0), 2);
    EXPECT_EQ(records.size(), 2u);
}

TEST(BoardImport, TheWholeClipboardIsRead) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path();
    for (int i = 0; i < 100; ++i) platform.clipboardText += std::string(kPuzzle) + "\r\n";
    std::vector<BoardData> records;
    EXPECT_EQ(ImportClipboard(platform, records, 0), 100);
    EXPECT_EQ(ReadBytes(folder / "Clipboard.txt"), platform.clipboardText + "\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(ImportDialogModel, ListsSelectsAndHandsBackTheBoard) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path();
    ImportDialogModel dialog(platform, ImportSource::Clipboard, 2);
    EXPECT_STREQ(dialog.Title(), "Import Board Data from Clipboard");
    platform.clipboardText = "no board here";
    EXPECT_EQ(dialog.Import(), 0);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Unable to Get Board Data !!!"}));
    EXPECT_EQ(dialog.BoardNbrText(), "");

    platform.clipboardText = std::string(kPuzzle) + "\n" + std::string(81, '.');
    EXPECT_EQ(dialog.Import(), 2);
    EXPECT_EQ(dialog.BoardNbrText(), "2");
    EXPECT_EQ(dialog.ListLines()[1], std::string(81, '.'));

    const ImportSelectionView one = dialog.Selection({1});
    EXPECT_EQ(one.selectedNbrText, "1");
    EXPECT_EQ(one.selectedIndexText, "1");
    EXPECT_TRUE(one.importEnabled);
    EXPECT_FALSE(one.batchEnabled);
    const ImportSelectionView two = dialog.Selection({0, 1});
    EXPECT_EQ(two.selectedIndexText, "");
    EXPECT_FALSE(two.importEnabled);
    EXPECT_TRUE(two.batchEnabled);

    BoardData target;
    EXPECT_TRUE(dialog.ImportSelected({0}, target));
    EXPECT_EQ(target.clueNbr, 30);
    EXPECT_EQ(target.wordokuAssignType, 2);
    EXPECT_FALSE(dialog.ImportSelected({0, 1}, target));
    EXPECT_EQ(platform.messages.back(), "Error Selecting the Board !!! End of Job ...");
    EXPECT_EQ(dialog.SelectedRecords({1, 7}).size(), 1u);

    ImportDialogModel fileDialog(platform, ImportSource::File, 0);
    EXPECT_STREQ(fileDialog.Title(), "Import Board Data from Text File");
}
}  // namespace
