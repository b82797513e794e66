// X-Wings: two lines whose only places for a value face each other. Either both sit in the same
// two cross lines, which then lose the value everywhere else, or (two lines of one band or stack)
// both fall into the same two boxes, which then lose the value outside the two lines. Rows are
// searched before columns, the plain pattern before the box one.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using XWingsSection = SolveStep::XWingsSection;

// Cell `position` of line `line`: a row walks columns, a column walks rows.
StepCell CellOf(UnitKind kind, int line, int position) {
    return kind == RowUnit ? StepCell{position, line} : StepCell{line, position};
}

void StartSearch(XWingsSection& section) {
    section.removals.fill({});
    section.removalCount = 0;
}

void NoteWing(XWingsSection& section, UnitKind kind, int v, int line1, std::uint32_t places1,
              int line2, std::uint32_t places2) {
    section.value = v;
    section.corners = {
        CellOf(kind, line1, FirstPlace(places1)), CellOf(kind, line1, SecondPlace(places1)),
        CellOf(kind, line2, FirstPlace(places2)), CellOf(kind, line2, SecondPlace(places2))};
    section.removalCount = 0;
}

void RemoveFrom(SudokuBoard& board, XWingsSection& section, StepCell at) {
    const std::uint32_t bit = bitOf(section.value);
    if (!board.Cell(at.column, at.row).IsEmpty() ||
        !board.RemoveCandidates(CellIndex(at.column, at.row), bit))
        return;
    section.removals[section.removalCount++] = {at.column, at.row, static_cast<std::int32_t>(bit)};
}

int Finish(XWingsSection& section, SolveStep& step) {
    if (section.removalCount == 0) return 0;
    step.technique = XWings;
    return 1;
}

// Two lines with the value in the same two places clear it from those two cross lines. Values
// are those of `values` only.
int FindPlainWing(SudokuBoard& board, std::uint32_t values, UnitKind kind, SolveStep& step) {
    const UnitMasks& places = board.Masks();
    XWingsSection& section = step.xWings;
    StartSearch(section);
    const int n = board.size;
    for (int v = 1; v <= n; ++v) {
        if (!(values & bitOf(v))) continue;
        for (int line1 = 0; line1 < n - 1; ++line1) {
            // Two lines have their two places in the same cross lines when their masks are equal.
            const std::uint32_t places1 = places.TwoPlaces(kind, line1, v);
            if (places1 == 0) continue;
            for (int line2 = line1 + 1; line2 < n; ++line2) {
                if (places.TwoPlaces(kind, line2, v) != places1) continue;
                NoteWing(section, kind, v, line1, places1, line2, places1);
                for (int other = 0; other < n; ++other) {
                    if (other == line1 || other == line2) continue;
                    RemoveFrom(board, section, CellOf(kind, other, FirstPlace(places1)));
                    RemoveFrom(board, section, CellOf(kind, other, SecondPlace(places1)));
                }
                if (Finish(section, step)) return 1;
            }
        }
    }
    return 0;
}

// Two lines of one band (stack) with the value in the same two boxes clear it from the rest of
// those boxes.
int FindBoxWing(SudokuBoard& board, std::uint32_t values, UnitKind kind, SolveStep& step) {
    const UnitMasks& places = board.Masks();
    XWingsSection& section = step.xWings;
    StartSearch(section);
    const int n = board.size, b = board.boxSize;
    auto boxOf = [&](StepCell cell) { return board.BoxIndex(cell.column, cell.row); };
    for (int v = 1; v <= n; ++v) {
        if (!(values & bitOf(v))) continue;
        for (int band = 0; band < b; ++band)
            for (int line1 = band * b; line1 < band * b + b - 1; ++line1) {
                const std::uint32_t places1 = places.TwoPlaces(kind, line1, v);
                if (places1 == 0) continue;
                for (int line2 = line1 + 1; line2 < band * b + b; ++line2) {
                    const std::uint32_t places2 = places.TwoPlaces(kind, line2, v);
                    if (places2 == 0) continue;
                    const int box1 = boxOf(CellOf(kind, line1, FirstPlace(places1)));
                    const int box2 = boxOf(CellOf(kind, line1, SecondPlace(places1)));
                    if (box1 != boxOf(CellOf(kind, line2, FirstPlace(places2))) ||
                        box2 != boxOf(CellOf(kind, line2, SecondPlace(places2))))
                        continue;
                    NoteWing(section, kind, v, line1, places1, line2, places2);
                    for (const int box : {box1, box2})
                        for (int i = 0; i < n; ++i) {
                            const int index = UnitCellIndex(board, BoxUnit, box, i);
                            const StepCell cell{ColumnOfIndex(index), RowOfIndex(index)};
                            const int line = kind == RowUnit ? cell.row : cell.column;
                            if (line != line1 && line != line2) RemoveFrom(board, section, cell);
                        }
                    if (Finish(section, step)) return 1;
                }
            }
    }
    return 0;
}
}  // namespace

int FindXWings(SudokuBoard& board, SolveStep& step) {
    // A wing concerns one value: values unchanged since a search in vain are passed over.
    const std::uint32_t values = board.Changes().ChangedValues(XWings);
    if (FindPlainWing(board, values, RowUnit, step) || FindBoxWing(board, values, RowUnit, step) ||
        FindPlainWing(board, values, ColumnUnit, step) ||
        FindBoxWing(board, values, ColumnUnit, step))
        return 1;
    board.Changes().FoundNothing(XWings);
    return 0;
}

void ShowXWings(const SolveStep& step, StepDisplay& display) {
    const XWingsSection& section = step.xWings;
    display.Begin(step.technique, XWingsPage);
    display.AddValue(section.value);
    for (const StepCell& corner : section.corners) display.AddPatternCell(corner);
    display.AddChanges(section.removals, section.removalCount);
}
