#include "shell/UndoHistory.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "shell/BoardSnapshot.h"

namespace {
// Toggles candidates 1, 2, ... 9, 1, ... of the bottom-right cell: each is one accepted change.
void ToggleCandidates(ShellFixture& f, int count) {
    f.input.Select(8, 8);
    for (int i = 0; i < count; ++i) ASSERT_TRUE(f.input.ToggleCandidate(1 + i % 9).snapshotTaken);
}
}  // namespace

TEST(UndoHistory, OneSnapshotPerEntryAndUndoNeedsTwo) {
    ShellFixture f;
    EXPECT_FALSE(f.runner.Context().canUndo);
    EXPECT_TRUE(f.input.EnterValue(1).snapshotTaken);
    EXPECT_EQ(f.doc.history().UndoCount(), 1u);
    EXPECT_FALSE(f.runner.Context().canUndo);
    f.input.Select(4, 4);
    EXPECT_TRUE(f.input.EnterValue(1).snapshotTaken);
    EXPECT_EQ(f.doc.history().UndoCount(), 2u);
    EXPECT_TRUE(f.runner.Context().canUndo);

    // A refused entry takes none: row 0 already holds a 1.
    f.input.Select(4, 0);
    EXPECT_FALSE(f.input.EnterValue(1).snapshotTaken);
    EXPECT_EQ(f.doc.history().UndoCount(), 2u);

    EXPECT_TRUE(f.runner.Run(CommandId::Undo).redraw);
    EXPECT_EQ(f.board.Cell(4, 4).value, -1);
    EXPECT_EQ(f.board.Cell(0, 0).value, 1);
    EXPECT_EQ(f.board.clueNbr, 1);
    EXPECT_TRUE(f.runner.Context().canRedo);
    EXPECT_TRUE(f.runner.Run(CommandId::Undo).refused);
    f.runner.Run(CommandId::Redo);
    EXPECT_EQ(f.board.Cell(4, 4).value, 1);
    EXPECT_EQ(f.board.clueNbr, 2);
}

TEST(UndoHistory, ThreeHundredEntriesKeep257AndANewEntryEmptiesRedo) {
    ShellFixture f;
    ToggleCandidates(f, 300);
    EXPECT_EQ(f.doc.history().UndoCount(), 257u);
    int undone = 0;
    while (f.doc.Undo()) ++undone;
    EXPECT_EQ(undone, 256);
    EXPECT_EQ(f.doc.history().RedoCount(), 256u);
    // The state after change 44 is the oldest kept: 1..9 toggled four times, then 1..8 once.
    EXPECT_EQ(f.board.Cell(8, 8).candidates, bitOf(9));
    EXPECT_EQ(f.board.Cell(8, 8).candidateNbr, 1);

    f.doc.Redo();
    f.doc.Redo();
    EXPECT_EQ(f.doc.history().RedoCount(), 254u);
    ToggleCandidates(f, 1);
    EXPECT_EQ(f.doc.history().RedoCount(), 0u);
    EXPECT_FALSE(f.runner.Context().canRedo);
}

TEST(UndoHistory, SnapshotRestoresCellsCountsAndSizeButNotTheScore) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->score = 77;
    const std::string snapshot = TakeBoardSnapshot(*board);
    const std::string before = BoardText(*board);

    board->Initialise(16, 3, "Other", "", nullptr, 0, 0);
    board->score = 5;
    ASSERT_TRUE(RestoreBoardSnapshot(*board, snapshot));
    EXPECT_EQ(board->size, 9);
    EXPECT_EQ(board->boxSize, 3);
    EXPECT_EQ(board->boxColumnStart[4], 3);
    EXPECT_EQ(BoardText(*board), before);
    EXPECT_EQ(board->clueNbr, 30);
    EXPECT_EQ(board->emptyNbr, 51);
    EXPECT_EQ(board->score, 5);

    EXPECT_FALSE(RestoreBoardSnapshot(*board, snapshot.substr(0, snapshot.size() - 1)));
    EXPECT_FALSE(RestoreBoardSnapshot(*board, snapshot + "x"));
    EXPECT_EQ(BoardText(*board), before);
}
