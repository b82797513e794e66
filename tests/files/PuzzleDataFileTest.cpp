#include "files/PuzzleDataFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "files/Archive.h"
#include "files/BoardImport.h"
#include "files/CodePage1252.h"
#include "files/PuzzleDataDialogs.h"
#include "platform/HeadlessPlatform.h"

namespace {
const char kMagic[] = "Duvere - SudokuSolver - Puzzle Data File";

BoardData Record(const std::string& name, std::string_view text = kClassicPuzzle) {
    BoardData record;
    ScanBoardText(text, 0, [&record](const BoardData& r) { record = r; });
    record.name = name;
    record.wordokuString.clear();
    record.wordokuStringCopy.clear();
    return record;
}

PuzzleRecord Stored(const std::string& name, std::string_view text = kClassicPuzzle) {
    return ToPuzzleRecord(Record(name, text));
}

// A file as an older writer made it: 9x9 records without the fields of later versions.
std::string OldFile(int version, const std::vector<BoardData>& records) {
    ArchiveWriter archive;
    archive.WriteText(kMagic);
    archive.WriteNumber(version);
    archive.WriteNumber(static_cast<int>(records.size()));
    for (const BoardData& r : records) {
        archive.WriteText(r.name);
        archive.WriteText(r.description);
        archive.WriteNumber(r.level);
        archive.WriteNumber(r.size);
        for (int y = 0; y < r.size; ++y)
            for (int x = 0; x < r.size; ++x) {
                archive.WriteNumber(r.Cell(x, y).value);
                archive.WriteNumber(r.Cell(x, y).type);
            }
        if (version >= 11) archive.WriteNumber(1);
    }
    return archive.Bytes();
}

TEST(PuzzleDataFile, WritesVersion12WithNoneForEmptyTexts) {
    TempFolder folder;
    HeadlessPlatform platform;
    std::vector<PuzzleRecord> records;
    BoardData first = Record("First");
    first.Cell(1, 0).value = 4;
    first.Cell(1, 0).type = Given;
    const PuzzleRecord board = ToPuzzleRecord(first);
    ASSERT_TRUE(WriteDataFile(platform, folder / "BoardData.sbd", records, &board, true));
    const std::string bytes = ReadBytes(folder / "BoardData.sbd");
    EXPECT_EQ(bytes.substr(0, 49),
              std::string("\x28") + kMagic + std::string("\x0C\0\0\0\x01\0\0\0", 8));
    EXPECT_EQ(bytes.substr(49, 6), std::string("\x05"
                                               "First"));
    // Row by row: (0,0) is 5, a clue; (1,0) is 4, a given.
    EXPECT_EQ(bytes.substr(64, 16), std::string("\x05\0\0\0\x01\0\0\0\x04\0\0\0\x02\0\0\0", 16));
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "\x04None\x04None");
    EXPECT_EQ(bytes.size(), 49u + 6 + 1 + 8 + 81 * 8 + 16 + 10);

    ASSERT_EQ(ReadDataFile(platform, folder / "BoardData.sbd", records), 1);
    EXPECT_EQ(records[0].name, "First");
    const BoardData read = ToBoardData(records[0]);
    EXPECT_EQ(read.clueNbr, 29);
    EXPECT_EQ(read.givenNbr, 1);
    EXPECT_EQ(read.emptyNbr, 51);
    EXPECT_EQ(read.wordokuString, "");
    EXPECT_EQ(read.Cell(1, 0).type, Given);
    EXPECT_EQ(read.Cell(1, 0).candidateNbr, 9);

    // Writing the records back marks their empty texts in memory too.
    ASSERT_TRUE(WriteDataFile(platform, folder / "BoardData.sbd", records, nullptr, false));
    EXPECT_EQ(records[0].wordokuString, "None");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(PuzzleDataFile, OlderVersionsAndWordokuFields) {
    BoardData wordoku = Record("W");
    wordoku.isWordoku = 1;
    wordoku.wordokuAssignType = 2;
    wordoku.wordokuLocationKind = 3;
    wordoku.wordokuLocationNbr = 4;
    wordoku.wordokuString = "ABCDEFGHI";
    wordoku.wordokuStringCopy = "IHGFEDCBA";
    std::vector<PuzzleRecord> records = {Stored("S", std::string(256, '.')),
                                         ToPuzzleRecord(wordoku)};
    std::vector<PuzzleRecord> read;
    ASSERT_TRUE(ParsePuzzleData(EncodePuzzleData(records, nullptr), read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].size, 16);
    EXPECT_EQ(CountCells(read[0]).emptyNbr, 256);
    EXPECT_EQ(read[1].isWordoku, 1);
    EXPECT_EQ(read[1].wordokuAssignType, 2);
    EXPECT_EQ(read[1].wordokuLocationKind, 3);
    EXPECT_EQ(read[1].wordokuLocationNbr, 4);
    EXPECT_EQ(read[1].wordokuString, "ABCDEFGHI");
    EXPECT_EQ(read[1].wordokuStringCopy, "IHGFEDCBA");

    for (int version : {10, 11}) {
        ASSERT_TRUE(ParsePuzzleData(OldFile(version, {wordoku, wordoku}), read)) << version;
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[1].isWordoku, version == 11);
        EXPECT_EQ(read[1].wordokuLocationKind, -1);
        EXPECT_EQ(read[1].wordokuLocationNbr, -1);
        EXPECT_EQ(read[1].wordokuString, "");
        EXPECT_EQ(ToBoardData(read[1]).Cell(0, 0).value, 5);
    }
}

TEST(PuzzleDataFile, DamagedFilesAreRejectedAndLeftAlone) {
    TempFolder folder;
    HeadlessPlatform platform;
    std::vector<PuzzleRecord> good = {Stored("A"), Stored("B")};
    const std::string bytes = EncodePuzzleData(good, nullptr);
    auto patched = [&bytes](std::size_t at, std::string_view with) {
        std::string copy = bytes;
        copy.replace(at, with.size(), with);
        return copy;
    };
    const std::size_t sizeAt = 49 + 2 + 1 + 4;
    const std::vector<std::string> damaged = {
        patched(1, "X"),                                  // magic
        bytes.substr(0, bytes.size() - 1),                // short
        bytes.substr(0, 30),                              // short magic
        patched(45, std::string("\xFF\xFF\xFF\xFF", 4)),  // count -1
        patched(45, std::string("\x00\x00\x10\x00", 4)),  // count beyond the data
        patched(45, std::string("\x01", 1)),              // count below the records
        bytes + '\0',                                     // a byte after the last record
        patched(49, std::string("\xFF\xF0\xFF", 3)),      // name longer than the file
        patched(sizeAt, std::string("\x0A", 1)),          // size 10
        patched(sizeAt + 4, std::string("\x0A", 1)),      // value 10 in a 9x9 board
        patched(sizeAt + 4, std::string("\x00", 1)),      // value 0
        patched(sizeAt + 8, std::string("\x04", 1)),      // cell type 4
    };
    std::vector<PuzzleRecord> read = {Stored("kept")};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        EXPECT_FALSE(ParsePuzzleData(damaged[i], read)) << i;
        EXPECT_EQ(read.size(), 1u);
    }
    const auto file = folder / "BoardData.sbd";
    WriteBytes(file, damaged[5]);
    EXPECT_EQ(ReadDataFile(platform, file, read), 0);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Invalid Puzzle Data File ..."}));
    // A change is refused too: the next write would drop the record beyond the count.
    EXPECT_FALSE(UpdateDataFile(platform, file, {Stored("C")}));
    EXPECT_EQ(ReadBytes(file), damaged[5]);
    EXPECT_EQ(EntryCount(folder.path()), 2);  // the file and its lock

    // No file: no boards and nothing said. A file that cannot be read says why.
    platform.messages.clear();
    EXPECT_EQ(ReadDataFile(platform, folder / "none.sbd", read), 0);
    EXPECT_TRUE(platform.messages.empty());
    std::filesystem::create_directory(folder / "folder.sbd");
    EXPECT_EQ(ReadDataFile(platform, folder / "folder.sbd", read), 0);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"Unable to Open File ... Access Denied"}));
}

TEST(PuzzleDataFile, AttributesOutOfRangeKeepTheCollection) {
    PuzzleRecord odd = Stored("Odd");
    odd.isWordoku = 1;
    odd.wordokuAssignType = 9;
    odd.wordokuLocationKind = 7;
    odd.wordokuLocationNbr = 99;
    std::vector<PuzzleRecord> records = {Stored("A"), odd, Stored("B", std::string(256, '.'))};
    std::string bytes = EncodePuzzleData(records, nullptr);
    // The name, an empty description, then the level.
    const std::size_t levelAt = bytes.find(std::string("\x03Odd\0", 5)) + 5;
    bytes.replace(levelAt, 4, std::string("\x07\0\0\0", 4));
    const std::size_t displayAt = levelAt + 8 + 81 * 8;

    std::vector<PuzzleRecord> read;
    ASSERT_TRUE(ParsePuzzleData(bytes, read));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[1].level, 0);
    EXPECT_EQ(read[2].size, 16);
    // Kept as they are, so the attributes dialog can tell, and written back unchanged.
    EXPECT_EQ(read[1].wordokuAssignType, 9);
    EXPECT_EQ(read[1].wordokuLocationKind, 7);
    auto rows = BoardAttributes(read[1]);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[8].second, "Unknown Assignment !!!");
    EXPECT_EQ(rows[9].second, "Unknown Location Assignment !!!");
    EXPECT_EQ(rows[10].second, "99");
    const std::string written = EncodePuzzleData(read, nullptr);
    std::vector<PuzzleRecord> again;
    ASSERT_TRUE(ParsePuzzleData(written, again));
    EXPECT_EQ(EncodePuzzleData(again, nullptr), written);

    // As the board, the location is chosen afresh.
    BoardData board = ToBoardData(read[1]);
    EXPECT_EQ(board.wordokuLocationKind, -1);
    EXPECT_EQ(board.wordokuLocationNbr, -1);
    read[1].wordokuLocationKind = 2;
    read[1].wordokuLocationNbr = 9;
    board = ToBoardData(read[1]);
    EXPECT_EQ(board.wordokuLocationKind, 2);
    EXPECT_EQ(board.wordokuLocationNbr, 9);
    read[1].wordokuLocationNbr = 10;
    EXPECT_EQ(ToBoardData(read[1]).wordokuLocationNbr, -1);

    // A display flag other than 0 or 1 reads as Sudoku display.
    bytes.replace(displayAt, 4, std::string("\x05\0\0\0", 4));
    ASSERT_TRUE(ParsePuzzleData(bytes, read));
    EXPECT_EQ(read[1].isWordoku, 0);
}

TEST(PuzzleDataDialogs, LoadSaveAndOverwrite) {
    TempFolder folder;
    HeadlessPlatform platform;
    const auto file = folder / "BoardData.sbd";
    std::vector<PuzzleRecord> records;
    BoardData board = Record("Default");
    board.Cell(2, 0).value = 4;
    board.Cell(2, 0).type = Given;
    board.Cell(3, 0).value = 6;
    board.Cell(3, 0).type = Mistake;

    // "Default" and a new name always need the dialog.
    EXPECT_EQ(QuickSave(platform, file, records, board, false), QuickSaveOutcome::DialogNeeded);
    EXPECT_EQ(SaveBoard(platform, file, records, board, "", "d", 2), SaveOutcome::NothingDone);
    EXPECT_EQ(SaveBoard(platform, file, records, board, "Twin", "first", 2), SaveOutcome::Appended);
    EXPECT_EQ(board.name, "Twin");
    // Another program's change since the dialog read the file is kept.
    ASSERT_TRUE(UpdateDataFile(platform, file, {Stored("Elsewhere")}));
    board.description = "second";
    EXPECT_EQ(SaveBoard(platform, file, records, board, "Other", "second", 3),
              SaveOutcome::Appended);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].name, "Elsewhere");
    ReadDataFile(platform, file, records);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2].name, "Other");
    records.erase(records.begin() + 1);
    records.push_back(records[0]);
    records.back().description = "duplicate";
    WriteDataFile(platform, file, records, nullptr, false);

    platform.answers = {false, true};
    EXPECT_EQ(SaveBoard(platform, file, records, board, "Twin", "changed", 4),
              SaveOutcome::Cancelled);
    EXPECT_EQ(SaveBoard(platform, file, records, board, "Twin", "changed", 4),
              SaveOutcome::Overwritten);
    EXPECT_EQ(platform.messages.back(),
              "Board Twin Already exists in Raruduz Data File !!! Overwrite Existing Data ? ");
    ReadDataFile(platform, file, records);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].description, "changed");
    EXPECT_EQ(records[0].level, 4);
    EXPECT_EQ(records[2].description, "duplicate");

    // Save of a known name overwrites silently; Save As does not.
    board.description = "quick";
    EXPECT_EQ(QuickSave(platform, file, records, board, false), QuickSaveOutcome::Saved);
    EXPECT_EQ(QuickSave(platform, file, records, board, true), QuickSaveOutcome::DialogNeeded);
    ReadDataFile(platform, file, records);
    EXPECT_EQ(records[0].description, "quick");

    BoardData loaded;
    EXPECT_FALSE(RetrieveRecord(records, "twin", true, loaded));
    ASSERT_TRUE(RetrieveRecord(records, "Twin", true, loaded));
    EXPECT_EQ(loaded.description, "quick");
    EXPECT_EQ(loaded.Cell(2, 0).value, -1);
    EXPECT_EQ(loaded.Cell(2, 0).type, Given);
    EXPECT_EQ(loaded.Cell(3, 0).value, 6);
    EXPECT_EQ(loaded.Cell(0, 0).value, 5);
    ASSERT_TRUE(RetrieveRecord(records, "Twin", false, loaded));
    EXPECT_EQ(loaded.Cell(2, 0).value, 4);

    // A 16x16 board saved over a 9x9 record keeps all its cells.
    EXPECT_EQ(
        QuickSave(platform, file, records, Record("Twin", std::string(255, '.') + "G"), false),
        QuickSaveOutcome::Saved);
    ReadDataFile(platform, file, records);
    ASSERT_TRUE(RetrieveRecord(records, "Twin", false, loaded));
    EXPECT_EQ(loaded.size, 16);
    EXPECT_EQ(loaded.Cell(15, 15).value, 16);
    EXPECT_EQ(loaded.emptyNbr, 255);
}

TEST(PuzzleDataDialogs, SavingOverADamagedFileAsksAndKeepsACopy) {
    TempFolder folder;
    HeadlessPlatform platform;
    const auto file = folder / "BoardData.sbd";
    std::vector<PuzzleRecord> records = {Stored("Old")};
    const std::string damaged = EncodePuzzleData(records, nullptr).substr(0, 300);
    WriteBytes(file, damaged);
    ASSERT_EQ(ReadDataFile(platform, file, records), 0);
    BoardData board = Record("Default");
    const std::string question = "Raruduz Data File " + file.string() +
                                 " is Damaged and its Boards could not be Read !!! \nReplace it "
                                 "Anyway ? (the Damaged File is kept as BoardData.sbd.bak) ";

    platform.messages.clear();
    platform.answers = {false};
    EXPECT_EQ(SaveBoard(platform, file, records, board, "New", "", 1), SaveOutcome::Failed);
    EXPECT_EQ(platform.messages, std::vector<std::string>{question});
    EXPECT_EQ(ReadBytes(file), damaged);
    EXPECT_FALSE(std::filesystem::exists(folder / "BoardData.sbd.bak"));

    platform.answers = {true};
    EXPECT_EQ(SaveBoard(platform, file, records, board, "New", "", 1), SaveOutcome::Appended);
    EXPECT_EQ(ReadBytes(folder / "BoardData.sbd.bak"), damaged);
    ASSERT_EQ(ReadDataFile(platform, file, records), 1);
    EXPECT_EQ(records[0].name, "New");

    // A copy that cannot be kept stops the replacement: nothing is lost.
    WriteBytes(file, damaged);
    std::filesystem::remove(folder / "BoardData.sbd.bak");
    std::filesystem::create_directory(folder / "BoardData.sbd.bak");
    platform.messages.clear();
    EXPECT_EQ(QuickSave(platform, file, records, Record("New"), false), QuickSaveOutcome::Failed);
    EXPECT_EQ(platform.messages.back(), "Unable to Write File ... Access Denied");
    EXPECT_EQ(ReadBytes(file), damaged);
}

TEST(CodePage1252, RoundTripsEveryByteAndRefusesOtherCharacters) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    const std::string text = Utf8FromCodePage1252(everyByte);
    EXPECT_EQ(CodePage1252FromUtf8(text), everyByte);
    EXPECT_EQ(Utf8FromCodePage1252("Caf\xE9 \x80 \x9F"), "Caf\u00E9 \u20AC \u0178");
    EXPECT_EQ(CodePage1252FromUtf8("\u2018quoted\u2019 \u00FF"), "\x91quoted\x92 \xFF");
    for (const char* refused : {"\u0416", "\u4E2D", "\U0001F600", "\u0100", "\xC3", "\xE9t\xE9",
                                "\xC0\xAF", "\xED\xA0\x80"})
        EXPECT_FALSE(CodePage1252FromUtf8(refused)) << refused;
}

TEST(PuzzleDataDialogs, AttributesAndMultipleSolutions) {
    PuzzleRecord record = Stored("Name");
    record.level = 5;
    auto rows = BoardAttributes(record);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[2], (std::pair<std::string, std::string>{"Board Level", "Very hard"}));
    EXPECT_EQ(rows[4].second, "30");
    EXPECT_EQ(rows[7].second, "Sudoku");
    record.isWordoku = 1;
    record.wordokuAssignType = 7;
    record.wordokuLocationKind = 2;
    rows = BoardAttributes(record);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[8].second, "Unknown Assignment !!!");
    EXPECT_EQ(rows[9].second, "Wordoku Column Location");
    EXPECT_EQ(rows[10].first, "Wordoku Location Index");

    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(kClassicPuzzle).replace(0, 2, ".."));
    board->solutionNbr = 3;
    for (int k = 0; k < 3; ++k) board->solutions[k] = board->cells;
    board->solutions[0][CellIndex(1, 0)].value = 3;
    MultipleSolutionsView view = MultipleSolutions(*board, " | ");
    EXPECT_EQ(view.heading,
              "Raruduz finds 3 solutions for this Board !!! Board Data is Questionnable ...");
    EXPECT_EQ(view.countText, "> 3");
    EXPECT_EQ(view.shownLine, "");
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[0].substr(0, 40), " . 3  .  . 7  .  .  .  .  | 6  .  . 1 9 ");
    board->solutionNbr = 51;
    view = MultipleSolutions(*board, "");
    EXPECT_EQ(view.heading,
              "Raruduz finds more than 50 solutions for this Board !!! Board Data is Highly "
              "Questionnable ...");
    EXPECT_EQ(view.shownLine, "Only the First 50 Solutions are shown ...");
    EXPECT_EQ(view.rows.size(), 50u);
}
}  // namespace
