#include "shell/SidePanels.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "files/SolveLog.h"

TEST(SidePanels, BoardStatTextsForEmptyAndFullBoards) {
    ShellFixture f;
    BoardStatTexts texts = BoardStatOf(f.board);
    EXPECT_EQ(texts.name, "Default");
    EXPECT_EQ(texts.level, "Unknown");
    EXPECT_EQ(texts.score, "0");
    EXPECT_EQ(texts.progress, 0);
    EXPECT_EQ(texts.clues, "0");
    EXPECT_EQ(texts.givens, "0");
    EXPECT_EQ(texts.empties, "81");
    EXPECT_EQ(texts.solved, " ");

    auto full = MakeBoard(f.platform, kClassicSolution);
    full->score = 512;
    texts = BoardStatOf(*full);
    EXPECT_EQ(texts.solved, "Solved");
    EXPECT_EQ(texts.clues, "81");
    EXPECT_EQ(texts.score, "512");
    EXPECT_EQ(texts.progress, 400);
}

TEST(SidePanels, PageFollowsTheLastChange) {
    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    EXPECT_EQ(PageToShow(f.doc), SidePage::BoardStat);
    EXPECT_EQ(HintTechniqueText(f.doc), "  ");
    f.runner.Run(CommandId::SolveBoard);
    f.runner.Run(CommandId::Hint);
    EXPECT_EQ(PageToShow(f.doc), SidePage::HintData);
    EXPECT_EQ(HintTechniqueText(f.doc), "Single in a Box");

    f.runner.Run(CommandId::SolveIterative);
    EXPECT_EQ(PageToShow(f.doc), SidePage::SolveData);
    const SolveDataPage page = FillSolveDataPage(f.board, DisplayLetters(f.doc));
    EXPECT_EQ(page.steps.size(), 51u);  // the iterative solve starts from the clues
    // Filling the lists takes the log as seen: the hint is shown again.
    EXPECT_EQ(PageToShow(f.doc), SidePage::HintData);
    f.runner.Run(CommandId::ResetBoard);
    EXPECT_EQ(PageToShow(f.doc), SidePage::BoardStat);
}
