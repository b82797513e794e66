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

// For one kind of line and every value: the lines holding the value in exactly two places, and
// those places. Gathered once: a search changes the board only when it applies its step.
struct TwoPlaceLines {
    std::uint32_t lines[kMaxSize] = {};  // bit line set for value v at v - 1
    // Set where `lines` says so; the rest is never read.
    std::uint16_t places[kMaxSize][kMaxSize];

    TwoPlaceLines(const SudokuBoard& board, UnitKind kind, std::uint32_t values) {
        const UnitMasks& masks = board.Masks();
        for (int line = 0; line < board.size; ++line)
            for (std::uint32_t rest = values & fullMask(board.size) & ~masks.Placed(kind, line);
                 rest != 0; rest &= rest - 1) {
                const int v = std::countr_zero(rest);
                const std::uint32_t places1 = masks.Of(kind, line, v + 1);
                if (std::popcount(places1) != 2) continue;
                places[v][line] = static_cast<std::uint16_t>(places1);
                lines[v] |= 1u << line;
            }
    }
};

// Most wings a board holds have cleared what they could long ago: whether one still clears
// something is read from the places of its value before its cells are visited.

// Two lines with the value in the same two places clear it from those two cross lines.
int FindPlainWing(SudokuBoard& board, const TwoPlaceLines& two, UnitKind kind, SolveStep& step) {
    XWingsSection& section = step.xWings;
    StartSearch(section);
    const int n = board.size;
    const UnitMasks& masks = board.Masks();
    const UnitKind cross = kind == RowUnit ? ColumnUnit : RowUnit;
    for (int v = 1; v <= n; ++v)
        for (std::uint32_t first = two.lines[v - 1]; first != 0; first &= first - 1) {
            const int line1 = std::countr_zero(first);
            // Two lines have their two places in the same cross lines when their masks are equal.
            const std::uint32_t places1 = two.places[v - 1][line1];
            for (std::uint32_t second = first & (first - 1); second != 0; second &= second - 1) {
                const int line2 = std::countr_zero(second);
                if (two.places[v - 1][line2] != places1) continue;
                const std::uint32_t elsewhere = (masks.Of(cross, FirstPlace(places1), v) |
                                                 masks.Of(cross, SecondPlace(places1), v)) &
                                                ~(1u << line1 | 1u << line2);
                if (elsewhere == 0) continue;
                NoteWing(section, kind, v, line1, places1, line2, places1);
                for (int other = 0; other < n; ++other) {
                    if (other == line1 || other == line2) continue;
                    RemoveFrom(board, section, CellOf(kind, other, FirstPlace(places1)));
                    RemoveFrom(board, section, CellOf(kind, other, SecondPlace(places1)));
                }
                if (Finish(section, step)) return 1;
            }
        }
    return 0;
}

// Two lines of one band (stack) with the value in the same two boxes clear it from the rest of
// those boxes.
int FindBoxWing(SudokuBoard& board, const TwoPlaceLines& two, UnitKind kind, SolveStep& step) {
    XWingsSection& section = step.xWings;
    StartSearch(section);
    const int n = board.size, b = board.boxSize;
    const UnitMasks& masks = board.Masks();
    auto boxOf = [&](StepCell cell) { return board.BoxIndex(cell.column, cell.row); };
    // The places of a box on its line at this offset in the band: a box walks column by column.
    const auto onLine = [&](int offset) {
        return kind == RowUnit ? (b == 3 ? 0x49u : 0x1111u) << offset : fullMask(b) << (offset * b);
    };
    for (int v = 1; v <= n; ++v)
        for (int band = 0; band < b; ++band) {
            const std::uint32_t inBand = two.lines[v - 1] & (fullMask(b) << (band * b));
            for (std::uint32_t first = inBand; first != 0; first &= first - 1) {
                const int line1 = std::countr_zero(first);
                const std::uint32_t places1 = two.places[v - 1][line1];
                for (std::uint32_t second = first & (first - 1); second != 0;
                     second &= second - 1) {
                    const int line2 = std::countr_zero(second);
                    const std::uint32_t places2 = two.places[v - 1][line2];
                    const int box1 = boxOf(CellOf(kind, line1, FirstPlace(places1)));
                    const int box2 = boxOf(CellOf(kind, line1, SecondPlace(places1)));
                    if (box1 != boxOf(CellOf(kind, line2, FirstPlace(places2))) ||
                        box2 != boxOf(CellOf(kind, line2, SecondPlace(places2))))
                        continue;
                    const std::uint32_t wingPlaces =
                        onLine(line1 - band * b) | onLine(line2 - band * b);
                    if (((masks.Of(BoxUnit, box1, v) | masks.Of(BoxUnit, box2, v)) & ~wingPlaces) ==
                        0)
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
    const TwoPlaceLines rows(board, RowUnit, values), columns(board, ColumnUnit, values);
    if (FindPlainWing(board, rows, RowUnit, step) || FindBoxWing(board, rows, RowUnit, step) ||
        FindPlainWing(board, columns, ColumnUnit, step) ||
        FindBoxWing(board, columns, ColumnUnit, step))
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
