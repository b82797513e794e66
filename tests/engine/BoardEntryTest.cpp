#include <gtest/gtest.h>

#include <climits>

#include "TestSupport.h"

namespace {
const char kSetRefused[] = "Setting Board Error: Invalid Entry !!!";
const char kSolveRefused[] = "Invalid Entry !!!";
const char kClueRefused[] =
    "Solving Board Error: Unauthorized Entry ... Current Square Contains a Clue !!!";

TEST(BoardEntry, SetModeEntersCluesAndRefusesOtherValues) {
    HeadlessPlatform platform;
    SudokuBoard board(platform);
    board.Initialise(9, 0, "", "", nullptr, 0, 0);
    EXPECT_EQ(board.SetValue(SetMode, 0, 0, 5), 1);
    EXPECT_EQ(board.Cell(0, 0), (BoardCell{5, Clue, bitOf(5), 1}));
    EXPECT_FALSE(board.Cell(8, 0).candidates & bitOf(5));
    EXPECT_EQ(board.clueNbr, 1);
    EXPECT_EQ(board.emptyNbr, 80);

    // A placed cell holds only its own value: another one is refused, the same one re-typed.
    EXPECT_EQ(board.SetValue(SetMode, 0, 0, 6), 0);
    EXPECT_EQ(board.Cell(0, 0).value, 5);
    board.Cell(0, 0).type = Given;
    EXPECT_EQ(board.SetValue(SetMode, 0, 0, 5), 1);
    EXPECT_EQ(board.Cell(0, 0).type, Clue);

    // Once candidates are recomputed the cell may take another value; the old one goes back to
    // the peers.
    board.RecomputeCandidates();
    EXPECT_EQ(board.SetValue(SetMode, 0, 0, 7), 1);
    EXPECT_EQ(board.Cell(0, 0), (BoardCell{7, Clue, bitOf(7), 1}));
    EXPECT_TRUE(board.Cell(8, 0).candidates & bitOf(5));
    EXPECT_FALSE(board.Cell(8, 0).candidates & bitOf(7));

    for (int v : {0, 10, -1, INT_MAX, INT_MIN}) EXPECT_EQ(board.SetValue(SetMode, 4, 4, v), 0) << v;
    EXPECT_EQ(board.Cell(4, 4).value, -1);
    EXPECT_EQ(platform.messages, std::vector<std::string>(6, kSetRefused));
}

TEST(BoardEntry, SolveModeRefusesOutOfRangeValuesClueCellsAndNonCandidates) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kClassicPuzzle);
    const CellGrid before = board->cells;
    for (int v : {0, 10, -3, INT_MAX, INT_MIN})
        EXPECT_EQ(board->SetValue(SolveMode, 2, 0, v), 0) << v;
    EXPECT_EQ(board->SetValue(SolveMode, 0, 0, 5), 0);
    EXPECT_EQ(board->cells, before);
    std::vector<std::string> expected(5, kSolveRefused);
    expected.push_back(kClueRefused);
    EXPECT_EQ(platform.messages, expected);

    // 5 is in row 0: not a candidate of (2, 0).
    platform.messages.clear();
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, 5), 0);
    EXPECT_EQ(board->Cell(2, 0).value, -1);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Solving Board Error: Invalid Entry ... "
                                                          "Given 5 is not known as a Valid "
                                                          "Candidate !!!"});
    // Before any solution is known every accepted value is a Given, right or wrong.
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, 1), 1);
    EXPECT_EQ(board->Cell(2, 0), (BoardCell{1, Given, bitOf(1), 1}));
    EXPECT_EQ(board->givenNbr, 1);
}

TEST(BoardEntry, WordokuLettersStandForTheirPlaceInTheLetterString) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kClassicPuzzle);
    board->isWordoku = 1;
    board->wordokuStringCopy = "WORDPLAYS";
    const int letterL = 'L' - 64, letterZ = 'Z' - 64;
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, letterZ), 0);
    EXPECT_EQ(platform.messages, std::vector<std::string>{kSolveRefused});
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, letterL), 0);  // 6 is in row 0
    EXPECT_EQ(board->SetValue(SolveMode, 3, 0, letterL), 1);
    EXPECT_EQ(board->Cell(3, 0).value, 6);
    // Only the low 8 bits of the entry name the letter; a letter there twice counts at its last
    // place.
    board->wordokuStringCopy = "WORDPLAYW";
    EXPECT_EQ(board->SetValue(SolveMode, 2, 4, letterL + 256), 1);
    EXPECT_EQ(board->Cell(2, 4).value, 6);
    EXPECT_EQ(board->SetValue(SolveMode, 6, 0, 'W' - 64), 1);
    EXPECT_EQ(board->Cell(6, 0).value, 9);
}

TEST(BoardEntry, KnownSolutionTellsGivensFromMistakes) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kClassicPuzzle);
    ASSERT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    board->ClearGivens();
    ASSERT_EQ(board->solutionKnown, 1);
    EXPECT_EQ(board->SetValue(SolveMode, 2, 0, 4), 1);  // the solution's value
    EXPECT_EQ(board->Cell(2, 0).type, Given);
    EXPECT_EQ(board->SetValue(SolveMode, 3, 0, 2), 1);  // a candidate, but not the solution's 6
    EXPECT_EQ(board->Cell(3, 0).type, Mistake);
    EXPECT_EQ(board->givenNbr, 2);
}

TEST(BoardEntry, SolvingModeAndBadCoordinatesChangeNothing) {
    HeadlessPlatform platform;
    std::unique_ptr<SudokuBoard> board = MakeBoard(platform, kClassicPuzzle);
    const CellGrid before = board->cells;
    EXPECT_EQ(board->SetValue(BruteForceSolvingMode, 2, 0, 4), 1);
    EXPECT_EQ(board->cells, before);

    // Coordinates outside the board, including the unused part of the 16 x 16 storage.
    const int bad[][2] = {{-1, 0}, {0, -1}, {9, 0}, {0, 9}, {15, 15}, {16, 0}, {INT_MIN, INT_MAX}};
    for (const auto& xy : bad)
        for (int mode : {SolveMode, SetMode, BruteForceSolvingMode})
            EXPECT_EQ(board->SetValue(mode, xy[0], xy[1], 4), 0) << xy[0] << "," << xy[1];
    EXPECT_EQ(board->cells, before);
    EXPECT_TRUE(platform.messages.empty());
}
}  // namespace
