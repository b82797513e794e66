#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/SettingsNames.h"

namespace {

TEST(SudokuBoard, GuessPermissionIsReadAndStoredBack) {
    HeadlessPlatform platform;
    platform.settings.WriteNumber(kAllowBruteForceTech, 0);
    {
        SudokuBoard board(platform);
        EXPECT_EQ(board.allowBruteForceTech, 0);
        board.allowBruteForceTech = 1;
    }
    std::uint32_t stored = 0;
    ASSERT_TRUE(platform.settings.ReadNumber(kAllowBruteForceTech, stored));
    EXPECT_EQ(stored, 1u);
}

TEST(SudokuBoard, InitialiseFromSource) {
    HeadlessPlatform platform;
    auto source = MakeBoard(platform, kClassicPuzzle);
    source->Cell(2, 0) = {4, Given, bitOf(4), 1};
    source->Cell(3, 0) = {6, Mistake, bitOf(6), 1};
    source->score = 77;
    source->wordokuString = "WORD";

    SudokuBoard board(platform);
    board.Initialise(9, 3, "name", "None", source.get(), 1, 1);
    EXPECT_EQ(board.description, "");
    EXPECT_EQ(board.level, 3);
    EXPECT_EQ(board.score, 77);
    EXPECT_EQ(board.isWordoku, 0);
    EXPECT_EQ(board.wordokuString, "WORD");
    EXPECT_EQ(board.Cell(2, 0).value, -1);
    EXPECT_EQ(board.Cell(2, 0).type, Empty);
    EXPECT_EQ(board.Cell(2, 0).candidateNbr, 9);
    EXPECT_EQ(board.Cell(3, 0).value, 6);
    EXPECT_EQ(board.Cell(3, 0).type, Mistake);
    EXPECT_EQ(board.clueNbr, 30);
    EXPECT_EQ(board.givenNbr, 1);
    EXPECT_EQ(board.emptyNbr, 50);

    board.Initialise(9, 0, "", "kept", source.get(), 0, 0);
    EXPECT_EQ(board.description, "kept");
    EXPECT_EQ(board.Cell(2, 0).value, 4);
}

TEST(SudokuBoard, CandidateMaintenance) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    // Column 2, row 0 sees 5, 3, 7 in its row, 8 in its column and 6, 9 in its box.
    EXPECT_EQ(board->Cell(2, 0).candidates, bitOf(1) | bitOf(2) | bitOf(4));
    EXPECT_EQ(board->Cell(2, 0).candidateNbr, 3);
    // After a recompute a filled cell keeps its own value plus what no peer holds.
    EXPECT_TRUE(board->Cell(0, 0).candidates & bitOf(5));

    BoardCell& cell = board->Cell(2, 0);
    cell.value = 4;
    cell.type = Given;
    EXPECT_EQ(board->PlaceAndPropagate(2, 0), 1);
    EXPECT_EQ(cell.candidates, bitOf(4));
    EXPECT_EQ(cell.candidateNbr, 1);
    EXPECT_FALSE(board->Cell(2, 5).candidates & bitOf(4));
    EXPECT_EQ(board->PlaceAndPropagate(3, 0), 0);

    // Give 4 back: a peer whose own row or box still holds 4 gets nothing.
    cell.value = -1;
    board->RestoreCandidate(2, 0, 4);
    EXPECT_TRUE(board->Cell(2, 0).candidates & bitOf(4));
    EXPECT_FALSE(board->Cell(2, 4).candidates & bitOf(4));  // row 4 holds 4
    EXPECT_FALSE(board->Cell(0, 2).candidates & bitOf(4));  // box cell, column 0 holds 4
    EXPECT_TRUE(board->Cell(7, 0).candidates & bitOf(4));
}
}  // namespace
