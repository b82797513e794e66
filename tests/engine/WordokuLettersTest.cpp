#include "engine/WordokuLetters.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {
using Order = std::vector<int>;

Order Location(const SudokuBoard& board, int kind, int number) {
    const auto order = LocationOrder(board, kind, number);
    return Order(order.begin(), order.begin() + board.size);
}

// The classic puzzle with its one solution known.
std::unique_ptr<SudokuBoard> SolvedClassic(HeadlessPlatform& platform) {
    auto board = MakeBoard(platform, kClassicPuzzle);
    EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    return board;
}

// The letters of the solution along the location, read through the letter table.
std::string LocationLetters(const SudokuBoard& board, int kind, int number) {
    std::string letters;
    for (int v : Location(board, kind, number)) letters += SymbolText(board, 1, v);
    return letters;
}

void ExpectSoundLetters(const SudokuBoard& board) {
    EXPECT_TRUE(IsLetterString(board.wordokuString, board.size)) << board.wordokuString;
    EXPECT_EQ(board.wordokuStringCopy, board.wordokuString);
    EXPECT_EQ(board.wordokuAssignType, RandomLetters);
    EXPECT_EQ(
        std::string(board.letterTable.begin() + 1, board.letterTable.begin() + 1 + board.size),
        board.wordokuStringCopy);
}

TEST(WordokuLetters, LocationsReadTheSolutionInReadingOrder) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    EXPECT_EQ(Location(*board, RowLocation, 1), (Order{5, 3, 4, 6, 7, 8, 9, 1, 2}));
    EXPECT_EQ(Location(*board, RowLocation, 9), (Order{3, 4, 5, 2, 8, 6, 1, 7, 9}));
    EXPECT_EQ(Location(*board, ColumnLocation, 1), (Order{5, 6, 1, 8, 4, 7, 9, 2, 3}));
    EXPECT_EQ(Location(*board, ColumnLocation, 9), (Order{2, 8, 7, 3, 1, 6, 4, 5, 9}));
    // Block 2: columns 3-5 of rows 0-2, row by row.
    EXPECT_EQ(Location(*board, BlockLocation, 2), (Order{6, 7, 8, 1, 9, 5, 3, 4, 2}));
    EXPECT_EQ(Location(*board, BlockLocation, 9), (Order{2, 8, 4, 6, 3, 5, 1, 7, 9}));

    const Order identity{1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(Location(*board, RandomLocation, 1), identity);
    EXPECT_EQ(Location(*board, RowLocation, 0), identity);
    EXPECT_EQ(Location(*board, BlockLocation, 10), identity);
    // A hole where the techniques stopped short reads the proven unique solution, and without
    // one leaves nothing to place a word on.
    board->solution[CellIndex(4, 0)].value = -1;
    EXPECT_EQ(Location(*board, RowLocation, 1), (Order{5, 3, 4, 6, 7, 8, 9, 1, 2}));
    board->uniqueSolutionKnown = 0;
    EXPECT_EQ(Location(*board, RowLocation, 1), identity);
    EXPECT_EQ(Location(*board, ColumnLocation, 1), (Order{5, 6, 1, 8, 4, 7, 9, 2, 3}));
    // Without a known solution the grid holds nothing to read.
    board->solutionKnown = 0;
    EXPECT_EQ(Location(*board, RowLocation, 1), identity);
}

TEST(WordokuLetters, APlacedWordSpellsItsLocationInTheSolvedBoard) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(7);
    for (int kind : {RowLocation, ColumnLocation, BlockLocation})
        for (int number : {1, 2, 9}) {
            board->wordokuLocationKind = kind;
            board->wordokuLocationNbr = number;
            PlaceWord(*board, "workPlace");
            EXPECT_EQ(board->wordokuString, "WORKPLACE");
            EXPECT_EQ(board->wordokuAssignType, RandomWord);
            EXPECT_EQ(SetLetterString(*board, board->wordokuStringCopy, random), 1);
            EXPECT_EQ(LocationLetters(*board, kind, number), "WORKPLACE")
                << "kind " << kind << " number " << number;
        }
    // Row 1 reads 5 3 4 6 7 8 9 1 2: value 1 is the eighth letter, value 2 the ninth, ...
    board->wordokuLocationKind = RowLocation;
    board->wordokuLocationNbr = 1;
    PlaceWord(*board, "WORKPLACE");
    EXPECT_EQ(board->wordokuStringCopy, "CEORWKPLA");
    EXPECT_EQ(LettersInValueOrder(LocationOrder(*board, RowLocation, 1), 9, "WORKPLACE"),
              "CEORWKPLA");
    SetLetterString(*board, board->wordokuStringCopy, random);
    EXPECT_EQ(SymbolText(*board, 1, 1), 'C');
    EXPECT_EQ(SymbolText(*board, 1, 9), 'A');
    EXPECT_EQ(SymbolText(*board, 0, 9), '9');
    EXPECT_EQ(SymbolText(*board, 1, -1), '.');
}

TEST(WordokuLetters, LettersThatAreNotNDifferentLettersAreReplacedAndKept) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    WordokuRandom random(11);
    board->wordokuLocationKind = RowLocation;
    board->wordokuLocationNbr = 1;
    // Repeated letters place as a copy that would draw three values as "A".
    PlaceWord(*board, "VOZARAZAR");
    EXPECT_EQ(SetLetterString(*board, board->wordokuStringCopy, random), 0);
    ExpectSoundLetters(*board);
    const std::string kept = board->wordokuStringCopy;
    EXPECT_EQ(SetLetterString(*board, board->wordokuStringCopy, random), 1);
    EXPECT_EQ(board->wordokuStringCopy, kept);

    for (const char* text : {"", "None", "ABCDEFGH", "ABCDEFGHIJ", "abcdefghi", "ABCDEFGH1",
                             "ABCDEFGH#", "ABCDEFGH\xC4", "ABCDEFGH "}) {
        board->wordokuString = board->wordokuStringCopy = text;
        board->wordokuAssignType = UserLetters;
        EXPECT_EQ(SetLetterString(*board, text, random), 0) << text;
        ExpectSoundLetters(*board);
    }
    // Typed letters reach every value of the replacement letters.
    board->isWordoku = 1;
    board->Cell(2, 0).type = Empty;
    board->Cell(2, 0).value = -1;
    board->RecomputeCandidates();
    const int four = board->wordokuStringCopy[3] - 'A' + 1;
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, four), 1);
    EXPECT_EQ(board->Cell(2, 0).value, 4);
}

TEST(WordokuLetters, RandomLettersAreNDifferentLettersInTheOrderDrawn) {
    HeadlessPlatform platform;
    for (const char* grid : {kClassicPuzzle, ""}) {
        auto board = MakeBoard(platform, *grid ? std::string(grid) : Grid16());
        WordokuRandom first(3), again(3), other(4);
        AssignRandomLetters(*board, first);
        EXPECT_TRUE(IsLetterString(board->wordokuString, board->size)) << board->wordokuString;
        EXPECT_EQ(board->wordokuStringCopy, board->wordokuString);
        const std::string drawn = board->wordokuString;
        AssignRandomLetters(*board, again);
        EXPECT_EQ(board->wordokuString, drawn);
        AssignRandomLetters(*board, other);
        EXPECT_NE(board->wordokuString, drawn);
        // A 16 x 16 board keeps sixteen letters of its own.
        EXPECT_EQ(SetLetterString(*board, board->wordokuStringCopy, first), 1);
        EXPECT_EQ(SymbolText(*board, 1, board->size), board->wordokuStringCopy.back());
    }
}
}  // namespace
