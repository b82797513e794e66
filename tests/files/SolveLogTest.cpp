#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "TestSupport.h"
#include "engine/BoardLevel.h"
#include "files/SolveLog.h"

namespace {
StepLogEntry Entry(TechniqueId technique, std::array<int, 4> values,
                   std::initializer_list<std::pair<int, int>> rowColumns) {
    StepLogEntry entry;
    entry.techniqueId = technique;
    entry.value1 = values[0];
    entry.value2 = values[1];
    entry.value3 = values[2];
    entry.value4 = values[3];
    for (const auto& [row, column] : rowColumns) {
        entry.cellRow[entry.cellNbr] = row;
        entry.cellColumn[entry.cellNbr] = column;
        ++entry.cellNbr;
    }
    return entry;
}

TEST(SolveLog, DescribeStepWritesEachFamilysText) {
    const std::pair<StepLogEntry, const char*> cases[] = {
        {Entry(NakedSingle, {5}, {{3, 7}}), "Given 5 solved at r3c7"},
        {Entry(HiddenSingleInColumn, {12}, {{10, 16}}), "Given C solved at r10c16"},
        {Entry(PointingPairInRow, {4}, {{1, 4}, {1, 5}, {1, 6}}),
         "Candidate 4 removed in Cells r1c4, r1c5 & r1c6"},
        {Entry(BoxLineReductionInColumn, {9}, {{1, 2}, {3, 4}}),
         "Candidate 9 removed in Cells r1c2 & r3c4"},
        {Entry(NakedPairInBox, {2, 7}, {{4, 4}}), "Candidates 2 and/or 7 removed in Cell r4c4"},
        {Entry(HiddenPairInRow, {1, 3}, {{2, 5}, {2, 8}}),
         "Candidates other than 1 and 3 removed in Cells r2c5 & r2c8"},
        {Entry(NakedTripleInColumn, {1, 5, 8}, {{1, 1}, {2, 1}}),
         "Candidates 1, 5 and/or 8 removed in Cells r1c1 & r2c1"},
        {Entry(HiddenTripleInBox, {2, 4, 6}, {{7, 7}}),
         "Candidates other than 2, 4 and 6 removed in Cell r7c7"},
        {Entry(NakedQuadInRow, {1, 2, 3, 4}, {{5, 1}, {5, 2}, {5, 9}}),
         "Candidates 1, 2, 3 and 4 removed in Cells r5c1, r5c2 & r5c9"},
        {Entry(UniqueRectangleType1, {3, 8}, {{6, 2}}), "Candidates 3 and 8 removed in Cell r6c2"},
        {Entry(XWings, {1}, {{4, 1}, {4, 5}, {6, 1}, {6, 5}}),
         "Candidate 1 removed in Cells r4c1, r4c5, r6c1 & r6c5"},
        {Entry(ForcedChains, {}, {{8, 3}, {8, 4}}),
         "Common Candidate(s) removed in Cells r8c3 & r8c4"},
        {Entry(UniqueRectangleType3, {5}, {{1, 1}}), ""},
        {Entry(UnknownTechnique, {5}, {{1, 1}}), ""},
    };
    for (const auto& [entry, text] : cases) EXPECT_EQ(DescribeStep(entry, ""), text);
}

TEST(SolveLog, DescribeStepCopesWithOddEntriesAndUsesWordokuLetters) {
    StepLogEntry entry = Entry(PointingPairInColumn, {4}, {{1, 1}});
    EXPECT_EQ(DescribeStep(entry, "QWERTYUIO"), "Candidate R removed in Cell r1c1");
    entry.value1 = -1;
    EXPECT_EQ(DescribeStep(entry, ""), "Candidate . removed in Cell r1c1");

    // The list stops at the entry's 32 cells (the unused ones read r0c0).
    entry.cellNbr = 1000;
    std::string listed = "Candidate . removed in Cells r1c1";
    for (int i = 1; i < 31; ++i) listed += ", r0c0";
    EXPECT_EQ(DescribeStep(entry, ""), listed + " & r0c0");
    entry.cellNbr = -2;
    EXPECT_EQ(DescribeStep(entry, ""), "Candidate . removed in Cells ");
    entry.techniqueId = 99;
    EXPECT_EQ(DescribeStep(entry, ""), "");
    entry.techniqueId = -4;
    EXPECT_EQ(DescribeStep(entry, ""), "");
}

// A board with one given and a hand-made log of two steps.
std::unique_ptr<SudokuBoard> LoggedBoard(HeadlessPlatform& platform) {
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->SetValue(SolveMode, 2, 0, 4);
    board->level = Medium;
    board->score = 123;
    SolveStatistics& statistics = board->statistics;
    statistics.callNbr[SingleInBox] = 2;
    statistics.callNbr[HiddenSingleInBox] = 1;
    statistics.callNbr[NakedSingle] = 1;
    statistics.callNbr[PointingPairInRow] = 12;
    statistics.steps[0] = Entry(SingleInBox, {4}, {{1, 3}});
    statistics.steps[1] = Entry(PointingPairInRow, {4}, {{1, 4}, {1, 5}, {1, 6}});
    statistics.stepNbr = 2;
    statistics.newData = 1;
    return board;
}

const char kLoggedBoardText[] =
    "Board Processing Log Data \r\n"
    "Raruduz 2.2 - Sudoku Workbench - Solve Log\r\n\r\n"
    "Original Board          Solved Board\r\n"
    "53..7....               534.7....\r\n"
    "6..195...               6..195...\r\n"
    ".98....6.               .98....6.\r\n"
    "8...6...3               8...6...3\r\n"
    "4..8.3..1               4..8.3..1\r\n"
    "7...2...6               7...2...6\r\n"
    ".6....28.               .6....28.\r\n"
    "...419..5               ...419..5\r\n"
    "....8..79               ....8..79\r\n"
    "\r\nDifficulty Level: Medium   Board Score: 123\r\n"
    "\r\nTechniques Summary\r\n\r\n"
    "01 Single in a Box                            2 \r\n"
    "02 Naked Single in a Box, a Row or a Column   1 \r\n"
    "03 Hidden Single in a Box                     1 \r\n"
    "04 Pointing Pair Reduction in a Row           12 \r\n"
    "\r\nBoard Solving Log\r\n\r\n"
    "001 Single in a Box                            Given 4 solved at r1c3 \r\n"
    "002 Pointing Pair Reduction in a Row           Candidate 4 removed in Cells r1c4, r1c5 & "
    "r1c6 \r\n";

TEST(SolveLog, LogTextListsBoardsLevelSummaryAndSteps) {
    HeadlessPlatform platform;
    auto board = LoggedBoard(platform);
    EXPECT_EQ(SolveLogText(*board, ""), kLoggedBoardText);

    // Wordoku letters reach the descriptions only; the board lines keep digits.
    const std::string wordoku = SolveLogText(*board, "ABCDEFGHI");
    EXPECT_NE(wordoku.find("53..7....               534.7....\r\n"), std::string::npos);
    EXPECT_NE(wordoku.find(" Given D solved at r1c3 \r\n"), std::string::npos);
}

TEST(SolveLog, SixteenBoardLinesAndLongLogsStayInShape) {
    HeadlessPlatform platform;
    SudokuBoard board(platform);
    board.Initialise(16, 0, "", "", nullptr, 0, 0);
    board.Cell(15, 0).value = 16;
    board.Cell(15, 0).type = Clue;
    board.Cell(0, 0).value = 10;
    board.Cell(0, 0).type = Given;
    board.statistics.stepNbr = 300;
    const std::string text = SolveLogText(board, "");
    EXPECT_NE(text.find("\r\n...............G        A..............G\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n256 Unknown"), std::string::npos);
    EXPECT_EQ(text.find("\r\n257 "), std::string::npos);
}

TEST(SolveLog, SolveDataPageListsUsedTechniquesAndEverySteps) {
    HeadlessPlatform platform;
    auto board = LoggedBoard(platform);
    const SolveDataPage page = FillSolveDataPage(*board, "");
    ASSERT_EQ(page.summary.size(), 4u);
    EXPECT_EQ(page.summary[2].number, "3");
    EXPECT_EQ(page.summary[3].detail, "12");
    ASSERT_EQ(page.steps.size(), 2u);
    EXPECT_EQ(page.steps[1].detail, "Candidate 4 removed in Cells r1c4, r1c5 & r1c6");
    EXPECT_EQ(board->statistics.newData, 0);

    ResetStatistics(board->statistics);
    const SolveDataPage empty = FillSolveDataPage(*board, "");
    ASSERT_EQ(empty.summary.size(), 1u);
    ASSERT_EQ(empty.steps.size(), 1u);
    EXPECT_EQ(empty.summary[0].number, "There is no data to show ...");
    EXPECT_EQ(empty.steps[0].number, "There is no data to show ...");
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream input(path, std::ios::binary);
    std::ostringstream text;
    text << input.rdbuf();
    return text.str();
}

TEST(SolveLog, StoreReplacesTheFileWholeOrNotAtAll) {
    // Other test runs may share the temporary folder.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("raruduz-solve-log-test-" + std::to_string(std::random_device()()));
    std::filesystem::remove_all(folder);
    HeadlessPlatform platform;
    platform.programFolder = folder;
    auto board = LoggedBoard(platform);

    EXPECT_EQ(StoreSolveLog(*board, ""), 1);
    EXPECT_EQ(ReadWhole(folder / "SolveLog.txt"), kLoggedBoardText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(platform.messages.empty());

    // The new log cannot replace what stands there: the user is told why and it stays.
    std::filesystem::remove(folder / "SolveLog.txt");
    std::filesystem::create_directories(folder / "SolveLog.txt" / "inside");
    EXPECT_EQ(StoreSolveLog(*board, ""), 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("Unable to Create Data File for Solve Log !!! Cause: ", 0),
              0u);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "SolveLog.txt" / "inside"));
    std::filesystem::remove_all(folder);
}
}  // namespace
