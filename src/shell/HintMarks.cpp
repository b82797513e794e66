#include "shell/HintMarks.h"

#include <algorithm>

#include "techniques/UnitQueries.h"

namespace {
bool ValueInColumn(const BoardData& board, int column, int value) {
    for (int row = 0; row < board.size; ++row)
        if (board.Cell(column, row).value == value) return true;
    return false;
}

bool ValueInRow(const BoardData& board, int row, int value) {
    for (int column = 0; column < board.size; ++column)
        if (board.Cell(column, row).value == value) return true;
    return false;
}

// The lines of a single that reads placed values only: across the other lines of its box that
// already hold the value, or across the lines through the other empty cells of its row or column.
void AddEliminationLines(const StepDisplay& display, const BoardData& board, HintMarks& marks) {
    const int column = display.placedCell.column;
    const int row = display.placedCell.row;
    const int value = display.placedValue;
    if (display.singleUnitKind == BoxUnit) {
        const int firstColumn = column / board.boxSize * board.boxSize;
        const int firstRow = row / board.boxSize * board.boxSize;
        for (int c = firstColumn; c < firstColumn + board.boxSize; ++c)
            if (c != column && ValueInColumn(board, c, value))
                marks.eliminationColumns.push_back(c);
        for (int r = firstRow; r < firstRow + board.boxSize; ++r)
            if (r != row && ValueInRow(board, r, value)) marks.eliminationRows.push_back(r);
    } else if (display.singleUnitKind == RowUnit) {
        for (int c = 0; c < board.size; ++c)
            if (c != column && board.Cell(c, row).IsEmpty()) marks.eliminationColumns.push_back(c);
    } else if (display.singleUnitKind == ColumnUnit) {
        for (int r = 0; r < board.size; ++r)
            if (r != row && board.Cell(column, r).IsEmpty()) marks.eliminationRows.push_back(r);
    }
}

// The candidate a chain node stands for: the value it forces, else the one it rules out.
MarkedCandidate NodeCandidate(const ChainMark& node) {
    return {{node.column, node.row}, node.value > 0 ? node.value : node.excludedValue};
}

Colour RoleColour(int role) {
    if (role == ChainRoot) return kChainYellow;
    return role == ChainAgreed ? kChainRed : kChainGreen;
}

void AddChains(const StepDisplay& display, HintMarks& marks) {
    const int nodes = std::clamp(display.chainNodeNbr, 0, kDisplayChainCapacity);
    for (int i = 0; i < nodes; ++i) {
        const ChainMark& node = display.chain[i];
        if (node.parent >= 0 && node.parent < nodes)
            marks.chainLinks.push_back({NodeCandidate(display.chain[node.parent]),
                                        NodeCandidate(node),
                                        node.branch == 0 ? kChainColourA : kChainColourB});
    }
    for (int i = 0; i < nodes; ++i)
        marks.circles.push_back(
            {NodeCandidate(display.chain[i]), RoleColour(display.chain[i].role)});
}
}  // namespace

void BuildHintMarks(const StepDisplay& display, const BoardData& board, HintMarks& marks) {
    marks = HintMarks{};
    const int changes = std::clamp(display.changeNbr, 0, kDisplayChangeCapacity);
    for (int i = 0; i < changes; ++i) {
        const StepChange& change = display.changes[i];
        if (change.column >= 0 && change.column < kGridSide && change.row >= 0 &&
            change.row < kGridSide)
            marks.removed[CellIndex(change.column, change.row)] |=
                static_cast<std::uint32_t>(change.removedMask);
    }
    const int technique = display.technique;
    if (technique == SingleColoursType1 || technique == SingleColoursType2) {
        for (int column = 0; column < board.size; ++column)
            for (int row = 0; row < board.size; ++row) {
                const int colour = display.colour[column][row];
                if (colour == 1 || colour == 2)
                    marks.frames.push_back(
                        {{column, row}, colour == 1 ? kChainColourA : kChainColourB});
            }
        return;
    }
    if (technique == UniqueRectangleType3 || technique == UniqueRectangleType4) return;
    const int patternCells = std::clamp(display.patternCellNbr, 0, 4);
    for (int i = 0; i < patternCells; ++i)
        marks.frames.push_back(
            {{display.patternCells[i].column, display.patternCells[i].row}, kHintFrameColour});
    AddEliminationLines(display, board, marks);
    AddChains(display, marks);
}
