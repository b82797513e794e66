// Unique rectangles: four empty cells over two boxes may never end as the same two values, for
// the two could then be swapped and the puzzle would have two solutions. Type I: three corners
// hold just the pair, so the fourth must take another value. Type II: the two other corners hold
// the pair plus the same third value z, which one of them must then take; the rest of their line
// cannot.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using RectangleSection = SolveStep::UniqueRectangleSection;

// Corners in the order the step lists them: (x, y), (x, y2), (x2, y), (x2, y2).
struct Rectangle {
    std::array<StepCell, 4> corners;
    std::uint32_t pair;
};

bool SpansTwoBoxes(const SudokuBoard& board, const Rectangle& rectangle) {
    int boxes[4];
    int distinct = 0;
    for (const StepCell& corner : rectangle.corners) {
        const int box = board.BoxIndex(corner.column, corner.row);
        bool seen = false;
        for (int i = 0; i < distinct; ++i) seen = seen || boxes[i] == box;
        if (!seen) boxes[distinct++] = box;
    }
    return distinct == 2;
}

void ApplyTypeOne(SudokuBoard& board, const Rectangle& rectangle, SolveStep& step) {
    RectangleSection& section = step.uniqueRectangle;
    section.corners = rectangle.corners;
    step.technique = UniqueRectangleType1;
    for (const StepCell& corner : rectangle.corners) {
        if (board.Cell(corner.column, corner.row).candidateNbr < 3) continue;
        board.RemoveCandidates(CellIndex(corner.column, corner.row), rectangle.pair);
        section.targetColumn = corner.column;
        section.targetRow = corner.row;
        break;
    }
    int values[2] = {};
    MaskValues(rectangle.pair, values, 2);
    section.valueA = values[0];
    section.valueB = values[1];
    section.pairMask = static_cast<std::int32_t>(rectangle.pair);
}

// Roof candidates as corner index pairs, in the order they are tried: column x, column x2, row y,
// row y2. The first two lie in one column, the last two in one row.
constexpr int kRoofs[4][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}};

int TryTypeTwo(SudokuBoard& board, const Rectangle& rectangle, SolveStep& step) {
    RectangleSection& section = step.uniqueRectangle;
    section.roofCorners = rectangle.corners;
    section.removalCount = 0;
    int roof = 0;
    while (roof < 4) {
        const StepCell& a = rectangle.corners[kRoofs[roof][0]];
        const StepCell& b = rectangle.corners[kRoofs[roof][1]];
        if (board.Cell(a.column, a.row).candidateNbr == 3 &&
            board.Cell(b.column, b.row).candidateNbr == 3)
            break;
        ++roof;
    }
    if (roof == 4) return 0;
    const StepCell& a = rectangle.corners[kRoofs[roof][0]];
    const StepCell& b = rectangle.corners[kRoofs[roof][1]];
    const std::uint32_t roofSet = board.Cell(a.column, a.row).candidates;
    const std::uint32_t extra = roofSet & ~rectangle.pair;
    if (board.Cell(b.column, b.row).candidates != roofSet || BitCount(extra) != 1) return 0;

    const int z = valueOfBit(extra);
    section.extraValue = z;
    const bool roofIsColumn = roof < 2;
    for (int i = 0; i < board.size; ++i) {
        const int column = roofIsColumn ? a.column : i;
        const int row = roofIsColumn ? i : a.row;
        if ((column == a.column && row == a.row) || (column == b.column && row == b.row)) continue;
        if (!board.Cell(column, row).IsEmpty() ||
            !board.RemoveCandidates(CellIndex(column, row), extra))
            continue;
        section.removals[section.removalCount++] = {column, row, static_cast<std::int32_t>(extra)};
    }
    if (section.removalCount == 0) return 0;
    step.technique = UniqueRectangleType2;
    return 1;
}

int TestRectangle(SudokuBoard& board, const Rectangle& rectangle, SolveStep& step) {
    if (!SpansTwoBoxes(board, rectangle)) return 0;
    int extraCorners = 0;
    for (const StepCell& corner : rectangle.corners)
        if (board.Cell(corner.column, corner.row).candidateNbr != 2) ++extraCorners;
    if (extraCorners == 1) {
        ApplyTypeOne(board, rectangle, step);
        return 1;
    }
    if (extraCorners == 2) return TryTypeTwo(board, rectangle, step);
    return 0;
}
}  // namespace

int FindUniqueRectangle(SudokuBoard& board, SolveStep& step) {
    const UnitMasks& masks = board.Masks();
    // The cells of a line holding both values of a pair: empty cells, with them two at least.
    auto holdingPair = [&](UnitKind kind, int line, const int* values) {
        return masks.Of(kind, line, values[0]) & masks.Of(kind, line, values[1]);
    };
    for (int y = 0; y < board.size; ++y)
        for (std::uint32_t firsts = masks.Bivalue(RowUnit, y); firsts != 0; firsts &= firsts - 1) {
            const int x = std::countr_zero(firsts);
            const std::uint32_t pair = board.Cell(x, y).candidates;
            int values[2] = {};
            MaskValues(pair, values, 2);
            const std::uint32_t inColumn = holdingPair(ColumnUnit, x, values) & ~(1u << y);
            for (std::uint32_t seconds = holdingPair(RowUnit, y, values) & ~(1u << x); seconds != 0;
                 seconds &= seconds - 1) {
                const int x2 = std::countr_zero(seconds);
                for (std::uint32_t thirds = inColumn; thirds != 0; thirds &= thirds - 1) {
                    const int y2 = std::countr_zero(thirds);
                    const BoardCell& fourth = board.Cell(x2, y2);
                    if (!fourth.IsEmpty() || fourth.candidateNbr < 2) continue;
                    // A fourth corner without the pair ends this column's search.
                    if ((fourth.candidates & pair) != pair) break;
                    const Rectangle rectangle{{{{x, y}, {x, y2}, {x2, y}, {x2, y2}}}, pair};
                    if (TestRectangle(board, rectangle, step)) return 1;
                }
            }
        }
    return 0;
}

const StepDescription kRectangleType1Description = {"Candidates %s and %s removed in Cell ", 2,
                                                    CellListing::FirstOnly};

void ShowUniqueRectangle(const SolveStep& step, StepDisplay& display) {
    const RectangleSection& section = step.uniqueRectangle;
    if (step.technique == UniqueRectangleType1) {
        display.Begin(step.technique, UniqueRectangleType1Page);
        display.AddValue(section.valueA);
        display.AddValue(section.valueB);
        for (const StepCell& corner : section.corners) display.AddPatternCell(corner);
        display.AddChange(section.targetColumn, section.targetRow, section.pairMask);
        return;
    }
    display.Begin(step.technique, UniqueRectangleType2Page);
    display.AddValue(section.extraValue);
    for (const StepCell& corner : section.roofCorners) display.AddPatternCell(corner);
    display.AddChanges(section.removals, section.removalCount);
}
