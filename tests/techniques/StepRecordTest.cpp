// What the routines write into the step record, beyond the board changes the regression library
// checks: values, noted cells, removal lists, also where 16 x 16 boards exceed 9 x 9 sizes.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "techniques/TechniqueOrder.h"
#include "techniques/UnitQueries.h"

namespace {
const std::string kEmpty9(81, '.');
const std::string kEmpty16(256, '.');

void Remove(SudokuBoard& board, int column, int row, std::uint32_t mask) {
    RemoveCandidates(board.Cell(column, row), mask);
}

// Keeps only the given candidates in the cell.
void Keep(SudokuBoard& board, int column, int row, std::uint32_t mask) {
    Remove(board, column, row, ~mask);
}

std::uint32_t Bits(std::initializer_list<int> values) {
    std::uint32_t mask = 0;
    for (int v : values) mask |= bitOf(v);
    return mask;
}

TEST(StepRecord, SolvedBoardGivesNoStep) {
    HeadlessPlatform platform;
    auto board =
        MakeBoard(platform,
                  "534678912672195348198342567859761423426853791713924856961537284287419635"
                  "345286179");
    const CellGrid before = board->cells;
    SolveStep step;
    for (const OrderedRoutine& routine : kDriverOrder) {
        if (routine.technique > NakedQuadInColumn) continue;
        EXPECT_EQ(routine.find(*board, step), 0) << "technique " << routine.technique;
    }
    EXPECT_EQ(board->cells, before);
}

TEST(StepRecord, SinglesNoteTheirCellAndBox) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kEmpty9);
    // 6 is left only in (4, 7) of box 7 (column 3..5, row 6..8).
    for (int x = 3; x < 6; ++x)
        for (int y = 6; y < 9; ++y)
            if (x != 4 || y != 7) Remove(*board, x, y, bitOf(6));
    SolveStep step;
    ASSERT_EQ(FindHiddenSingleInBox(*board, step), 1);
    EXPECT_EQ(step.technique, HiddenSingleInBox);
    EXPECT_EQ(step.value, 6);
    EXPECT_EQ(step.column, 4);
    EXPECT_EQ(step.row, 7);
    EXPECT_EQ(step.unitBox, 7);
    EXPECT_EQ(step.unitFirstColumn, 3);
    EXPECT_EQ(step.unitFirstRow, 6);
    EXPECT_EQ(board->Cell(4, 7).value, 6);
    EXPECT_EQ(board->Cell(4, 7).type, Given);
    EXPECT_EQ(board->Cell(4, 0).candidates & bitOf(6), 0u);  // propagated along the column
}

TEST(StepRecord, SubsetSectionsNoteValuesAndCells) {
    HeadlessPlatform platform;
    SolveStep step;

    auto pair = MakeBoard(platform, kEmpty9);
    Keep(*pair, 3, 2, Bits({2, 8}));
    Keep(*pair, 7, 2, Bits({2, 8}));
    ASSERT_EQ(FindNakedPairInRow(*pair, step), 1);
    EXPECT_EQ(step.nakedPair.valueA, 2);
    EXPECT_EQ(step.nakedPair.valueB, 8);
    EXPECT_EQ(step.nakedPair.cells[0].column, 3);
    EXPECT_EQ(step.nakedPair.cells[1].column, 7);
    ASSERT_EQ(step.nakedPair.removalCount, 7);
    EXPECT_EQ(step.nakedPair.removals[0].column, 0);
    EXPECT_EQ(step.nakedPair.removals[0].row, 2);
    EXPECT_EQ(step.nakedPair.removals[0].mask, static_cast<int>(Bits({2, 8})));
    EXPECT_EQ(step.nakedPair.removals[6].column, 8);

    // Subset cells are the full cells first, then the partial ones, each in scan order.
    auto triple = MakeBoard(platform, kEmpty9);
    Keep(*triple, 0, 1, Bits({1, 2}));
    Keep(*triple, 0, 4, Bits({1, 2, 3}));
    Keep(*triple, 0, 6, Bits({2, 3}));
    ASSERT_EQ(FindNakedTripleInColumn(*triple, step), 1);
    EXPECT_EQ(step.nakedTriple.values, (std::array<std::int32_t, 3>{1, 2, 3}));
    EXPECT_EQ(step.nakedTriple.cells[0].row, 4);
    EXPECT_EQ(step.nakedTriple.cells[1].row, 1);
    EXPECT_EQ(step.nakedTriple.cells[2].row, 6);
    EXPECT_EQ(step.nakedTriple.removalCount, 6);

    auto quad = MakeBoard(platform, kEmpty9);
    Keep(*quad, 1, 0, Bits({4, 5}));
    Keep(*quad, 2, 0, Bits({4, 5, 6, 7}));
    Keep(*quad, 5, 0, Bits({5, 6, 7}));
    Keep(*quad, 8, 0, Bits({6, 7}));
    ASSERT_EQ(FindNakedQuadInRow(*quad, step), 1);
    EXPECT_EQ(step.nakedQuad.values, (std::array<std::int32_t, 4>{4, 5, 6, 7}));
    const int expectedColumns[] = {2, 1, 8, 5};  // full, pairs, triple
    for (int i = 0; i < 4; ++i) EXPECT_EQ(step.nakedQuad.cells[i].column, expectedColumns[i]);

    // A hidden pair notes what each of its cells lost.
    auto hidden = MakeBoard(platform, kEmpty9);
    for (int y = 0; y < 9; ++y)
        if (y != 2 && y != 5) Remove(*hidden, 4, y, Bits({3, 9}));
    Remove(*hidden, 4, 5, Bits({1}));
    ASSERT_EQ(FindHiddenPairInColumn(*hidden, step), 1);
    EXPECT_EQ(step.hiddenPair.valueA, 3);
    EXPECT_EQ(step.hiddenPair.valueB, 9);
    EXPECT_EQ(step.hiddenPair.cells[0].row, 2);
    EXPECT_EQ(step.hiddenPair.cells[1].row, 5);
    EXPECT_EQ(step.hiddenPair.removedMasks[0], static_cast<int>(Bits({1, 2, 4, 5, 6, 7, 8})));
    EXPECT_EQ(step.hiddenPair.removedMasks[1], static_cast<int>(Bits({2, 4, 5, 6, 7, 8})));
    EXPECT_EQ(hidden->Cell(4, 5).candidateNbr, 2);
}

TEST(StepRecord, PointingCellsRestartForEveryBox) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kEmpty9);
    // Row 0, value 4: box 0 has it in all three line cells but also below; box 1 only in
    // (3, 0) and (5, 0).
    for (int x = 3; x < 6; ++x)
        for (int y = 1; y < 3; ++y) Remove(*board, x, y, bitOf(4));
    Remove(*board, 4, 0, bitOf(4));
    SolveStep step;
    ASSERT_EQ(FindPointingPairInRow(*board, step), 1);
    EXPECT_EQ(step.pointingPair.value, 4);
    EXPECT_EQ(step.pointingPair.pointingCells[0].column, 3);
    EXPECT_EQ(step.pointingPair.pointingCells[1].column, 5);
    // The third entry still holds the last line cell noted for box 0.
    EXPECT_EQ(step.pointingPair.pointingCells[2].column, 2);
    ASSERT_EQ(step.pointingPair.removalCount, 6);
    EXPECT_EQ(step.pointingPair.removals[0].column, 0);
    EXPECT_EQ(step.pointingPair.removals[5].column, 8);
    EXPECT_EQ(step.pointingPair.removals[5].mask, static_cast<int>(bitOf(4)));
}

TEST(StepRecord, SixteenBySixteenListsHoldEveryCell) {
    HeadlessPlatform platform;
    SolveStep step;

    // Value 16 of row 0 lies in box 0 only: four line cells, twelve cells of the box lose it.
    auto line = MakeBoard(platform, kEmpty16);
    for (int x = 4; x < 16; ++x) Remove(*line, x, 0, bitOf(16));
    ASSERT_EQ(FindBoxLineReductionInRow(*line, step), 1);
    EXPECT_EQ(step.boxLine.value, 16);
    ASSERT_EQ(step.boxLine.lineCellCount, 4);
    EXPECT_EQ(step.boxLine.lineCells[3].column, 3);
    ASSERT_EQ(step.boxLine.removalCount, 12);
    EXPECT_EQ(step.boxLine.removals[11].column, 3);
    EXPECT_EQ(step.boxLine.removals[11].row, 3);

    // Value 11 of box 5 (columns 4..7, rows 4..7) lies in column 6: twelve removals.
    auto pointing = MakeBoard(platform, kEmpty16);
    for (int x = 4; x < 8; ++x)
        for (int y = 4; y < 8; ++y)
            if (x != 6) Remove(*pointing, x, y, bitOf(11));
    ASSERT_EQ(FindPointingPairInColumn(*pointing, step), 1);
    EXPECT_EQ(step.pointingPair.value, 11);
    EXPECT_EQ(step.pointingPair.pointingCells[3].row, 7);
    ASSERT_EQ(step.pointingPair.removalCount, 12);
    EXPECT_EQ(step.pointingPair.removals[11].row, 15);

    // A naked triple of a 16-cell column clears thirteen cells.
    auto triple = MakeBoard(platform, kEmpty16);
    for (int y : {0, 7, 15}) Keep(*triple, 9, y, Bits({10, 12, 16}));
    ASSERT_EQ(FindNakedTripleInColumn(*triple, step), 1);
    ASSERT_EQ(step.nakedTriple.removalCount, 13);
    EXPECT_EQ(step.nakedTriple.removals[12].row, 14);
    EXPECT_EQ(step.nakedTriple.removals[12].mask, static_cast<int>(Bits({10, 12, 16})));
}
}  // namespace
