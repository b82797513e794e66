#include "shell/BoardInput.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"

TEST(BoardInput, SelectionMovesWrap) {
    ShellFixture f;
    const auto at = [&] { return std::pair(f.doc.view.selectedX, f.doc.view.selectedY); };
    f.input.Select(8, 8);
    f.input.MoveSelection(SelectionKey::Tab);
    EXPECT_EQ(at(), std::pair(0, 0));
    f.input.Select(8, 3);
    f.input.MoveSelection(SelectionKey::Tab);
    EXPECT_EQ(at(), std::pair(0, 4));
    f.input.MoveSelection(SelectionKey::Left);
    EXPECT_EQ(at(), std::pair(8, 4));
    f.input.MoveSelection(SelectionKey::Right);
    EXPECT_EQ(at(), std::pair(0, 4));
    f.input.Select(2, 0);
    f.input.MoveSelection(SelectionKey::Up);
    EXPECT_EQ(at(), std::pair(2, 8));
    f.input.MoveSelection(SelectionKey::Down);
    EXPECT_EQ(at(), std::pair(2, 0));

    EXPECT_FALSE(f.input.Select(9, 0));
    EXPECT_FALSE(f.input.Select(0, -1));
    EXPECT_EQ(f.platform.beepNbr, 2);
    EXPECT_EQ(at(), std::pair(2, 0));
}

TEST(BoardInput, TypedCharactersAndTheirStatusTexts) {
    ShellFixture f;
    EXPECT_EQ(f.Status(f.input.TypeCharacter('5')), "Given 5 Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(0, 0).value, 5);
    EXPECT_EQ(f.board.Cell(0, 0).type, Clue);
    f.input.Select(1, 0);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('0')), "Error Invalid Key Entered ...");
    EXPECT_EQ(f.platform.messages.back(), "Setting Board Error: Invalid Entry !!!");
    EXPECT_EQ(f.Status(f.input.TypeCharacter('!')), "Invalid Entry ...");
    EXPECT_EQ(f.platform.messages.back(), "Invalid Entry !!! Valid Keys: 1 to 9 and A to Z .. ");
    EXPECT_TRUE(f.input.TypeCharacter('.').refused);
    EXPECT_TRUE(f.input.TypeCharacter('\t').refused);
    EXPECT_EQ(f.doc.history().UndoCount(), 1u);

    f.runner.Run(CommandId::BoardSize, 16);
    f.input.Select(3, 3);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('a')), "Given A Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(3, 3).value, 10);
    f.input.Select(4, 3);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('G')), "Given G Added on Current Location ...");
    EXPECT_EQ(f.Status(f.input.TypeCharacter('H')), "Error Invalid Key Entered ...");
}

TEST(BoardInput, DeleteRulesAndHintDismissal) {
    ShellFixture f;
    f.TypeClues("12");
    f.runner.Run(CommandId::SolveBoard);
    f.input.Select(2, 0);
    f.input.EnterValue(3);
    EXPECT_EQ(f.board.givenNbr, 1);
    const std::size_t snapshots = f.doc.history().UndoCount();

    f.input.Select(0, 0);
    EXPECT_FALSE(f.input.DeleteSelected().snapshotTaken);
    EXPECT_EQ(f.platform.messages.back(), "A Clue can not be deleted in Solve Mode !!!!");
    EXPECT_EQ(f.board.Cell(0, 0).value, 1);

    f.input.Select(2, 0);
    EXPECT_TRUE(f.input.DeleteSelected().snapshotTaken);
    EXPECT_EQ(f.board.givenNbr, 0);
    EXPECT_EQ(f.board.Cell(5, 0).candidates & bitOf(3), bitOf(3));
    EXPECT_EQ(f.doc.history().UndoCount(), snapshots + 1);

    f.runner.Run(CommandId::SetBoard);
    f.input.Select(0, 0);
    f.input.DeleteSelected();
    EXPECT_EQ(f.board.clueNbr, 1);
    EXPECT_EQ(f.board.Cell(0, 0).candidateNbr, 8);  // 2 stays out: it is in row 0

    CommandResult result;
    EXPECT_FALSE(f.input.DismissHint(result));
    f.doc.view.hintShown = true;
    EXPECT_TRUE(f.input.DismissHint(result));
    EXPECT_EQ(f.Status(result), " ...");
    EXPECT_FALSE(f.doc.view.hintShown);
}

TEST(BoardInput, CandidatePopupRuleAndWordokuButtons) {
    ShellFixture f;
    f.TypeClues("1");
    f.input.Select(0, 0);
    EXPECT_FALSE(f.input.MayOpenCandidatePopup());
    EXPECT_EQ(f.platform.beepNbr, 1);
    f.input.Select(1, 0);
    EXPECT_TRUE(f.input.MayOpenCandidatePopup());

    // In Wordoku display, button k passes the letter of value k; the engine maps it back.
    f.runner.Run(CommandId::SolveBoard);
    f.doc.settings.viewMode = 1;
    f.board.isWordoku = 1;
    f.board.wordokuStringCopy = "CEINMDFOR";
    EXPECT_EQ(f.Status(f.input.EnterValue(2)), "Given E Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(1, 0).value, 2);
    f.input.Select(2, 0);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('i')), "Given I Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(2, 0).value, 3);
}
