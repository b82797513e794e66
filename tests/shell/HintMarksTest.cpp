#include "shell/HintMarks.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "techniques/TechniqueTable.h"

namespace {
// A board of side `size` holding the value 1 at each listed (column, row), as clues.
std::unique_ptr<SudokuBoard> Ones(HeadlessPlatform& platform, int size,
                                  const std::vector<std::pair<int, int>>& cells) {
    std::string text(size * size, '.');
    for (const auto& [column, row] : cells) text[row * size + column] = '1';
    return MakeBoard(platform, text);
}

HintMarks MarksOfStep(SudokuBoard& board, TechniqueRoutine find) {
    board.RebuildMasks();  // as every hint starts
    SolveStep step;
    EXPECT_EQ(find(board, step), 1);
    StepDisplay display;
    ShowStep(step, display);
    HintMarks marks;
    BuildHintMarks(display, board, marks);
    return marks;
}

std::vector<CellPosition> FramedCells(const HintMarks& marks, Colour colour) {
    std::vector<CellPosition> cells;
    for (const HintFrame& frame : marks.frames)
        if (frame.colour == colour) cells.push_back(frame.cell);
    return cells;
}

TEST(HintMarks, SinglesFrameTheSolvedCellAndCrossTheLinesThatRuleOutTheOthers) {
    HeadlessPlatform platform;
    // In box 0 the ones of columns 1, 2 and rows 1, 2 leave only the corner.
    auto box9 = Ones(platform, 9, {{1, 4}, {2, 7}, {5, 1}, {8, 2}});
    HintMarks marks = MarksOfStep(*box9, FindSingleInBox);
    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{0, 0}}));
    EXPECT_EQ(marks.eliminationColumns, (std::vector<int>{1, 2}));
    EXPECT_EQ(marks.eliminationRows, (std::vector<int>{1, 2}));

    // 16 x 16: blocks of four lines.
    auto box16 = Ones(platform, 16, {{1, 4}, {2, 8}, {3, 12}, {4, 1}, {8, 2}, {12, 3}});
    marks = MarksOfStep(*box16, FindSingleInBox);
    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{0, 0}}));
    EXPECT_EQ(marks.eliminationColumns, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(marks.eliminationRows, (std::vector<int>{1, 2, 3}));

    // A single in a row crosses the columns of the row's other empty cells; one in a column
    // the rows of the column's other empty cells. Cell (8, 0) holds a 2 and is not crossed.
    auto row = Ones(platform, 9, {{1, 3}, {2, 6}, {3, 1}, {4, 4}, {5, 7}, {6, 2}, {7, 5}, {8, 8}});
    row->Cell(8, 0) = {2, Clue, bitOf(2), 1};
    marks = MarksOfStep(*row, FindSingleInRow);
    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{0, 0}}));
    EXPECT_EQ(marks.eliminationColumns, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(marks.eliminationRows.empty());

    std::vector<std::pair<int, int>> ones;
    for (int y = 1; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (Grid16Value(x, y) == 1) ones.emplace_back(x, y);
    auto column = Ones(platform, 16, ones);
    marks = MarksOfStep(*column, FindSingleInColumn);
    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{0, 0}}));
    EXPECT_TRUE(marks.eliminationColumns.empty());
    EXPECT_EQ(marks.eliminationRows.size(), 15u);
}

TEST(HintMarks, EachFamilyFramesItsPatternAndListsWhatItRemoved) {
    BoardData board;
    StepDisplay display;
    display.Begin(NakedPairInRow, NakedPairPage);
    display.AddPatternCell({1, 4});
    display.AddPatternCell({6, 4});
    display.AddChange(3, 4, bitOf(2) | bitOf(7));
    display.AddChange(3, 4, bitOf(9));
    display.AddChange(40, 4, bitOf(9));  // off every grid: ignored
    HintMarks marks;
    BuildHintMarks(display, board, marks);
    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{1, 4}, {6, 4}}));
    EXPECT_EQ(marks.removed[CellIndex(3, 4)], bitOf(2) | bitOf(7) | bitOf(9));
    EXPECT_TRUE(marks.eliminationColumns.empty());

    // Rectangles of types III and IV strike their removals but frame nothing.
    display.technique = UniqueRectangleType3;
    BuildHintMarks(display, board, marks);
    EXPECT_TRUE(marks.frames.empty());
    EXPECT_EQ(marks.removed[CellIndex(3, 4)], bitOf(2) | bitOf(7) | bitOf(9));

    // Single colours frame every coloured cell in the colour of its class.
    display.Begin(SingleColoursType2, NoHintPage);
    display.colour[2][5] = 1;
    display.colour[7][0] = 2;
    display.colour[8][8] = 1;
    BuildHintMarks(display, board, marks);
    EXPECT_EQ(FramedCells(marks, kChainColourA), (std::vector<CellPosition>{{2, 5}, {8, 8}}));
    EXPECT_EQ(FramedCells(marks, kChainColourB), (std::vector<CellPosition>{{7, 0}}));
    EXPECT_EQ(marks.frames.size(), 3u);
}

TEST(HintMarks, ForcedChainsLinkEachNodeToTheOneThatForcedItAndCircleThemByRole) {
    BoardData board;
    StepDisplay display;
    display.Begin(ForcedChains, ForcedChainsPage);
    display.AddPatternCell({0, 0});
    display.AddChange(4, 4, bitOf(3), 5);
    display.chain[0] = {0, 0, 1, 2, -1, 0, ChainRoot};
    display.chain[1] = {0, 3, 2, 1, 0, 0, ChainForced};
    display.chain[2] = {4, 4, 5, 3, 1, 0, ChainAgreed};
    display.chain[3] = {0, 0, 2, 1, -1, 1, ChainRoot};
    display.chain[4] = {4, 4, 5, 3, 3, 1, ChainAgreed};
    display.chainNodeNbr = 5;
    HintMarks marks;
    BuildHintMarks(display, board, marks);

    EXPECT_EQ(FramedCells(marks, kHintFrameColour), (std::vector<CellPosition>{{0, 0}}));
    ASSERT_EQ(marks.chainLinks.size(), 3u);
    const ChainLink& last = marks.chainLinks[2];
    EXPECT_EQ(std::tie(last.from.cell, last.from.value, last.to.cell, last.to.value, last.colour),
              std::make_tuple(CellPosition{0, 0}, 2, CellPosition{4, 4}, 5, kChainColourB));
    EXPECT_EQ(marks.chainLinks[0].colour, kChainColourA);
    ASSERT_EQ(marks.circles.size(), 5u);
    EXPECT_EQ(
        std::make_tuple(marks.circles[0].colour, marks.circles[1].colour, marks.circles[2].colour),
        std::make_tuple(kChainYellow, kChainGreen, kChainRed));
    EXPECT_EQ(marks.removed[CellIndex(4, 4)], bitOf(3));
}
}  // namespace
