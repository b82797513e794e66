#include "files/WordokuSetup.h"

#include <set>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"

namespace {
std::unique_ptr<SudokuBoard> SolvedClassic(HeadlessPlatform& platform) {
    auto board = MakeBoard(platform, kClassicPuzzle);
    EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    return board;
}

std::string Table(const SudokuBoard& board) {
    return std::string(board.letterTable.begin() + 1, board.letterTable.begin() + 1 + board.size);
}

// The board carries letters it was saved with, as a loaded board does.
void GiveLetters(SudokuBoard& board) {
    board.wordokuAssignType = UserLetters;
    board.wordokuLocationKind = ColumnLocation;
    board.wordokuLocationNbr = 5;
    board.wordokuString = "WORKPLACE";
    board.wordokuStringCopy = "CEORWKPLA";
}

WordokuOptions WordOptions(const std::filesystem::path& path) {
    WordokuOptions options;
    options.assignmentType = RandomWord;
    options.wordListPath = path.string();
    options.locationKind = RowLocation;
    options.locationNbr = 1;
    return options;
}

TEST(WordokuSetup, OverrideZeroKeepsTheBoardsLettersAndOneGivesFreshOnes) {
    TempFolder folder;
    WriteBytes(folder / "words.txt", "BluePrint\r\n");
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(5);
    GiveLetters(*board);
    const WordokuOptions options = WordOptions(folder / "words.txt");

    EXPECT_EQ(
        WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0, random),
        1);
    EXPECT_EQ(board->wordokuLocationKind, ColumnLocation);
    EXPECT_EQ(board->wordokuLocationNbr, 5);
    EXPECT_EQ(board->wordokuString, "WORKPLACE");
    EXPECT_EQ(board->wordokuAssignType, UserLetters);
    EXPECT_EQ(Table(*board), "CEORWKPLA");

    // Imported and generated boards: the options' location and fresh letters.
    EXPECT_EQ(WordokuSetup(*board, options, "None", "None", 1, random), 1);
    EXPECT_EQ(board->wordokuLocationKind, RowLocation);
    EXPECT_EQ(board->wordokuLocationNbr, 1);
    EXPECT_EQ(board->wordokuString, "BLUEPRINT");
    EXPECT_EQ(board->wordokuAssignType, RandomWord);
    // Row 1 reads 5 3 4 6 7 8 9 1 2.
    EXPECT_EQ(Table(*board), "NTLUBEPRI");
    EXPECT_TRUE(platform.messages.empty());
}

TEST(WordokuSetup, LocationsComeFromTheBoardOrTheOptionsAndAreNeverRandom) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(9);
    WordokuOptions options;  // random letters at a random location
    std::set<int> kinds;
    for (int run = 0; run < 60; ++run) {
        board->Initialise(9, 0, "", "", nullptr, 0, 1);
        board->SolveBruteForce(StopAtSecondSolution);
        options.locationNbr = run % 2 == 0 ? 1 : 0;
        EXPECT_EQ(WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0,
                               random),
                  1);
        kinds.insert(board->wordokuLocationKind);
        EXPECT_GE(board->wordokuLocationNbr, 1);
        EXPECT_LE(board->wordokuLocationNbr, 9);
        if (run % 2 == 0) {
            EXPECT_EQ(board->wordokuLocationNbr, 1);
        }
        EXPECT_TRUE(IsLetterString(board->wordokuString, 9));
        EXPECT_EQ(Table(*board), board->wordokuStringCopy);
    }
    EXPECT_EQ(kinds, (std::set<int>{RowLocation, ColumnLocation, BlockLocation}));

    // A board's location out of range (a damaged file) is drawn afresh, and stays once drawn.
    board->wordokuLocationKind = 7;
    board->wordokuLocationNbr = 12;
    WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0, random);
    const int kind = board->wordokuLocationKind, number = board->wordokuLocationNbr;
    EXPECT_TRUE(kind >= RowLocation && kind <= BlockLocation);
    EXPECT_TRUE(number >= 1 && number <= 9);
    WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0, random);
    EXPECT_EQ(board->wordokuLocationKind, kind);
    EXPECT_EQ(board->wordokuLocationNbr, number);
}

TEST(WordokuSetup, SixteenBySixteenAlwaysGetsRandomLetters) {
    TempFolder folder;
    WriteBytes(folder / "words.txt", "ABCDEFGHIJKLMNOP\n");
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, Grid16());
    board->isWordoku = 1;
    WordokuRandom random(2);
    int asked = 0;
    for (int type : {RandomWord, UserLetters}) {
        WordokuOptions options = WordOptions(folder / "words.txt");
        options.assignmentType = type;
        EXPECT_EQ(WordokuSetup(*board, options, "None", "None", 1, random,
                               [&asked](SudokuBoard&) { ++asked; }),
                  1);
        EXPECT_EQ(board->wordokuAssignType, RandomLetters);
        EXPECT_TRUE(IsLetterString(board->wordokuString, 16));
        EXPECT_NE(board->wordokuString, "ABCDEFGHIJKLMNOP");
        EXPECT_EQ(Table(*board), board->wordokuStringCopy);
    }
    EXPECT_EQ(asked, 0);
}

TEST(WordokuSetup, UserLettersAreAskedForOnlyInWordokuDisplay) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(4);
    WordokuOptions options;
    options.assignmentType = UserLetters;
    const auto ask = [](SudokuBoard& asked) {
        asked.wordokuString = "WORKPLACE";
        asked.wordokuStringCopy = "CEORWKPLA";
        asked.wordokuAssignType = UserLetters;
    };
    int asked = 0;
    const auto countedAsk = [&](SudokuBoard& target) {
        ++asked;
        ask(target);
    };
    // In Sudoku display nothing is asked and nothing kept, not even an imported board's letters,
    // so that the switch to Wordoku display asks.
    board->isWordoku = 0;
    board->wordokuString = board->wordokuStringCopy = "VOZARAZAR";
    EXPECT_EQ(WordokuSetup(*board, options, "None", "None", 1, random, countedAsk), 1);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(board->wordokuString, "");
    EXPECT_EQ(board->wordokuStringCopy, "");
    EXPECT_EQ(Table(*board), ".........");
    board->isWordoku = 1;
    WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0, random,
                 countedAsk);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Table(*board), "CEORWKPLA");
    // Once the board has the user's letters, switching keeps them.
    WordokuSetup(*board, options, board->wordokuString, board->wordokuStringCopy, 0, random,
                 countedAsk);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Table(*board), "CEORWKPLA");
}

TEST(WordokuSetup, WordsFilesThatGiveNoWordFallBackAndUnreadableOnesKeepTheLetters) {
    TempFolder folder;
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(6);

    // No usable line, or no path at all: random letters, no message.
    WriteBytes(folder / "binary.bin", std::string("\0\x01\xFF\xFEMINDF\0RCE\x80\n", 15));
    WriteBytes(folder / "empty.txt", "");
    WriteBytes(folder / "blank.txt", "\n\r\n\n");
    WriteBytes(folder / "unusable.txt",
               "VOZARAZAR\nMINDFORC\nMINDFORCES\nMINDFORC#\nMINDFORC\xC4\nMINDFORCE \n");
    for (const char* name : {"binary.bin", "empty.txt", "blank.txt", "unusable.txt", ""}) {
        GiveLetters(*board);
        const WordokuOptions options = WordOptions(*name ? folder / name : "");
        EXPECT_EQ(WordokuSetup(*board, options, "None", "None", 1, random), 1) << name;
        EXPECT_EQ(board->wordokuAssignType, RandomLetters) << name;
        EXPECT_TRUE(IsLetterString(board->wordokuString, 9)) << name;
    }
    EXPECT_TRUE(platform.messages.empty());

    // The one usable line after a 10 MB line, or among lines ended by CR alone.
    WriteBytes(folder / "long.txt", std::string(10 << 20, 'A') + "\nblueprint");
    WriteBytes(folder / "cr.txt", "HELLO\rBLUEPRINT\rWORKPLACES\r");
    for (const char* name : {"long.txt", "cr.txt"}) {
        GiveLetters(*board);
        EXPECT_EQ(WordokuSetup(*board, WordOptions(folder / name), "None", "None", 1, random), 1);
        EXPECT_EQ(board->wordokuString, "BLUEPRINT") << name;
        EXPECT_EQ(Table(*board), "NTLUBEPRI") << name;
    }

    // A folder or a missing file: the message, and the board's letters stay.
    for (const std::filesystem::path& path : {folder.path(), folder / "missing.txt"}) {
        platform.messages.clear();
        GiveLetters(*board);
        EXPECT_EQ(WordokuSetup(*board, WordOptions(path), "None", "None", 1, random), 0);
        EXPECT_EQ(platform.messages,
                  std::vector<std::string>{"Unable to Read Words File " + path.string() + "... "});
        EXPECT_EQ(board->wordokuString, "WORKPLACE");
        EXPECT_EQ(board->wordokuAssignType, UserLetters);
        EXPECT_EQ(Table(*board), "CEORWKPLA");
    }
}
}  // namespace
