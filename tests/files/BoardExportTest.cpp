#include "files/BoardExport.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SettingsNames.h"

namespace {

BoardData Imported(std::string_view text) {
    BoardData record;
    ScanBoardText(text, 0, [&record](const BoardData& r) { record = r; });
    return record;
}

// The 9 x 9 layouts byte for byte are the export scenario's job; here what it cannot reach.
TEST(BoardExport, ContentSolutionWordokuAndSixteenBySixteen) {
    BoardData board = Imported(kClassicPuzzle);
    // A given placed by the player goes out only with "All".
    board.Cell(2, 0).value = 4;
    board.Cell(2, 0).type = Given;
    EXPECT_EQ(ExportPreview({&board, 0, false}, WebFriendly, CluesOnly), kClassicPuzzle);
    EXPECT_EQ(ExportPreview({&board, 0, false}, WebFriendly, CluesAndGivens).substr(0, 4), "534.");
    // A solved board goes out from its solution grid.
    board.solution = Imported(kClassicSolution).cells;
    EXPECT_EQ(ExportPreview({&board, 1, false}, WebFriendly, CluesAndGivens), kClassicSolution);
    // In Wordoku display each value is its letter in value order, not in the word's order.
    board.wordokuString = "WORKPLACE";
    board.wordokuStringCopy = "CEORWKPLA";
    EXPECT_EQ(ExportPreview({&board, 0, true}, WebFriendly, CluesOnly).substr(0, 5), "WO..P");

    BoardData big = Imported(std::string(256, '.'));
    const std::string text = ExportPreview({&big, 0, false}, SimpleSudoku, CluesOnly);
    EXPECT_EQ(text.substr(0, 22), "*-------------------*\n");
    EXPECT_NE(text.find("\n|----+----+----+----|\n"), std::string::npos);
    EXPECT_EQ(text.size(), 21u * 22u);
}

TEST(BoardExport, ExtensionsQuestionsAndTheWrite) {
    TempFolder folder;
    HeadlessPlatform platform;
    const std::string dir = folder.path().string();

    EXPECT_EQ(*ExportTarget(platform, dir, "board", SadMan), folder / "board.sdk");
    EXPECT_EQ(*ExportTarget(platform, dir + "/", "board", VbForums), folder / "board.msk");
    EXPECT_EQ(*ExportTarget(platform, dir, "board.SOL", VbForums), folder / "board.SOL");
    EXPECT_TRUE(platform.messages.empty());

    platform.answers = {false, true};
    EXPECT_FALSE(ExportTarget(platform, dir, "board.dat", SadMan));
    EXPECT_EQ(*ExportTarget(platform, dir, "b.txt", VbForums), folder / "b.txt");
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{
                  "Extention .DAT is not the standard Extention (.sdk) for this export ... Use "
                  "Anyway ?",
                  "Extention .TXT is not the standard Extention (.msk or .sol) for this export ... "
                  "Use Anyway ?"}));

    const BoardData board = Imported(kClassicPuzzle);
    const std::string preview = ExportPreview({&board, 0, false}, VbForums, CluesOnly);
    ASSERT_TRUE(WriteExport(platform, folder / "board.msk", preview));
    std::string expected;
    for (int row = 0; row < 9; ++row)
        expected += std::string(kClassicPuzzle).substr(row * 9, 9) + "\r\n";
    EXPECT_EQ(ReadBytes(folder / "board.msk"), expected + "\r\n");

    platform.messages.clear();
    platform.answers = {false};
    EXPECT_FALSE(ExportTarget(platform, dir, "board.msk", VbForums));
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"File Already Exist !!! Overwrite Existing File ? "}));

    platform.messages.clear();
    EXPECT_FALSE(WriteExport(platform, folder / "none" / "b.txt", preview));
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{"Unable to Open File ... File Not Found"}));
}

// 9 x 9 round trips run in the export scenario.
TEST(BoardExport, EveryLayoutReadsBackA16x16Board) {
    TempFolder folder;
    HeadlessPlatform platform;
    for (const std::string& text : {std::string(256, '.').replace(5, 1, "G")}) {
        const BoardData board = Imported(text);
        for (ExportLayout layout : {WebFriendly, VbForums, SadMan, SimpleSudoku}) {
            const auto path = folder / ("b" + std::to_string(layout));
            ASSERT_TRUE(
                WriteExport(platform, path, ExportPreview({&board, 0, false}, layout, CluesOnly)));
            BoardList boards;
            ASSERT_EQ(ReadBoardFile(platform, path, boards), 1) << layout;
            BoardData record;
            boards.Record(0, record);
            EXPECT_EQ(record.cells, board.cells) << layout;
        }
    }
}

TEST(BoardExport, ChoicesAndFolder) {
    TempFolder folder;
    HeadlessPlatform platform;
    platform.programFolder = folder.path();
    EXPECT_EQ(ChooseExportAll(platform, 1), CluesAndGivens);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ChooseExportAll(platform, 0), CluesAndGivens);
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{
                  "Board Yet Unsolved ... Clues and Givens Export Not Available ...\nPlease Make "
                  "Raruduz Solve the Board before Proceeding .. "}));

    EXPECT_EQ(ExportFolder(platform), folder.path());
    StoreExportFolder(platform, "/some/where");
    EXPECT_EQ(ExportFolder(platform), std::filesystem::path("/some/where"));
    std::string stored;
    EXPECT_TRUE(platform.settings.ReadText(kDefaultExportPath, stored));
    EXPECT_EQ(stored, "/some/where");
}
}  // namespace
