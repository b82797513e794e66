#include "shell/LastSession.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"

namespace {
constexpr char kPuzzle[] =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST(LastSession, TheNextRunShowsTheBoardAsItWasWithAFreshHistory) {
    ShellFixture before;
    before.TypeClues(kPuzzle);
    before.runner.Run(CommandId::SolveBoard);
    before.input.Select(2, 0);
    before.input.TypeCharacter('4');  // right
    before.input.Select(3, 0);
    before.input.TypeCharacter('2');  // wrong: 6 belongs there
    before.doc.settings.viewMode = 1;
    ASSERT_EQ(before.board.Cell(3, 0).type, Mistake);
    const SessionBoard kept = CaptureSession(before.doc);

    ShellFixture after;
    after.TypeClues("1");
    RestoreSession(after.doc, *ParseSession(FormatSession(kept)));
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(after.board.Cell(i % 9, i / 9).value, before.board.Cell(i % 9, i / 9).value);
        EXPECT_EQ(after.board.Cell(i % 9, i / 9).type, before.board.Cell(i % 9, i / 9).type);
    }
    EXPECT_EQ(after.board.name, before.board.name);
    EXPECT_EQ(after.board.emptyNbr, before.board.emptyNbr);
    EXPECT_EQ(after.doc.view.entryMode, SolveMode);
    EXPECT_EQ(after.doc.settings.viewMode, 1);
    EXPECT_FALSE(after.doc.history().CanUndo());
    // The kept solution still judges entries, without a solve at start.
    EXPECT_TRUE(after.platform.messages.empty());
    after.input.Select(1, 1);
    after.input.TypeCharacter('7');
    EXPECT_EQ(after.board.Cell(1, 1).type, Given);
    after.input.Select(6, 1);
    after.input.TypeCharacter('4');
    EXPECT_EQ(after.board.Cell(6, 1).type, Mistake);
}
}  // namespace
