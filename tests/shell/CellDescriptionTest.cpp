#include "shell/CellDescription.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"

TEST(CellDescription, NamesTheSelectedCellAsThePictureShowsIt) {
    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    f.input.Select(4, 0);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c5, 7, clue");
    // Set mode hides the pencil marks by default, and so does the description.
    f.input.Select(2, 0);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c3, empty");

    f.runner.Run(CommandId::SolveBoard);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c3, empty, candidates 1 2 4");
    f.input.EnterValue(4);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c3, 4, given");

    // A wrong given is named a mistake only while mistakes are drawn.
    f.input.Select(3, 0);
    f.input.EnterValue(2);
    ASSERT_EQ(f.board.Cell(3, 0).type, Mistake);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c4, 2, mistake");
    f.doc.settings.showMistakes = 0;
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c4, 2, given");

    // Wordoku display speaks the letters.
    f.doc.settings.viewMode = 1;
    f.board.wordokuStringCopy = "QWERTYUIO";
    f.input.Select(2, 0);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c3, R, given");
    f.input.Select(5, 0);
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c6, empty, candidates Y I");

    f.board.Cell(5, 0).candidates = 0;
    EXPECT_EQ(SelectedCellDescription(f.doc), "r1c6, empty, no candidates");
}
