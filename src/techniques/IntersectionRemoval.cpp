// Pointing pairs (a box's candidates of a value all on one line clear the rest of the line) and
// box line reductions (a line's candidates of a value all in one box clear the rest of the box).
// Both work on segments, the cells a line shares with a box: the candidate masks of a band's
// segments are gathered in one pass, and every line and value is then answered by mask tests.
// A pattern concerns one value, within one band: values and bands unchanged since the search
// last found nothing are passed over.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
std::uint32_t EmptyCandidates(const BoardCell& cell) {
    return cell.candidates & EmptyMask(cell);
}

// The rows or the columns of a board, each cut into segments of one box width (segment k of a
// line lies in the k-th box the line crosses).
struct LineSegments {
    const SudokuBoard& board;
    UnitKind kind;
    std::uint32_t placed[kMaxSize] = {};  // values placed on each line
    CandidateTally tally[kMaxSize][kLineCellCapacity];

    LineSegments(const SudokuBoard& b, UnitKind k) : board(b), kind(k) {}

    // A pattern on a line lies within the line and the boxes it crosses, those of its band. False
    // when none of them changed since the search last found nothing; otherwise the band's cells
    // are read.
    bool ReadBand(const ChangeStamps& changes, int technique, int band) {
        const int n = board.boxSize;
        bool any = false;
        for (int k = 0; k < n && !any; ++k)
            any = changes.UnitChanged(technique, kind, band * n + k) ||
                  changes.UnitChanged(technique, BoxUnit, BoxAt(band * n, k));
        if (!any) return false;
        // Segment by segment rather than dividing each position by the box width.
        for (int line = band * n; line < band * n + n; ++line)
            for (int segment = 0, p = 0; segment < n; ++segment)
                for (int j = 0; j < n; ++j, ++p) {
                    const BoardCell& cell = board.cells[CellAt(line, p)];
                    placed[line] |= bitOf(cell.value);
                    tally[line][segment].Add(EmptyCandidates(cell));
                }
        return true;
    }

    int CellAt(int line, int position) const { return UnitCellIndex(board, kind, line, position); }
    // The box the line crosses in its k-th segment.
    int BoxAt(int line, int segment) const {
        const int n = board.boxSize;
        const int across = line / n;
        return kind == RowUnit ? across * n + segment : segment * n + across;
    }
    bool OnLine(int cellIndex, int line) const {
        return (kind == RowUnit ? RowOfIndex(cellIndex) : ColumnOfIndex(cellIndex)) == line;
    }
    // Candidates of the segment's box outside the line, a line of the band whose first line is
    // given (rather than divided out of the line by a box width known only at run time).
    std::uint32_t BoxOffLine(int firstLine, int line, int segment) const {
        std::uint32_t mask = 0;
        for (int other = firstLine; other < firstLine + board.boxSize; ++other)
            if (other != line) mask |= tally[other][segment].Seen();
        return mask;
    }
    // Candidates of the line outside the segment.
    std::uint32_t LineOffSegment(int line, int segment) const {
        std::uint32_t mask = 0;
        for (int other = 0; other < board.boxSize; ++other)
            if (other != segment) mask |= tally[line][other].Seen();
        return mask;
    }
};

void AppendRemoval(std::array<StepRemoval, kUnitRemovalCapacity>& removals, std::int32_t& count,
                   int index, std::uint32_t mask) {
    removals[count++] = {ColumnOfIndex(index), RowOfIndex(index), static_cast<int>(mask)};
}

// Lines ascending, values ascending: a box whose candidates of the value lie on the line, two or
// more of them, clears the value from the rest of the line.
int FindPointingPair(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique) {
    const int n = board.boxSize;
    const std::uint32_t changed = board.Changes().ChangedValues(technique);
    if (changed == 0) return 0;
    LineSegments segments(board, kind);
    auto& section = step.pointingPair;
    for (int band = 0; band < n; ++band) {
        if (!segments.ReadBand(board.Changes(), technique, band)) continue;
        for (int line = band * n; line < band * n + n; ++line) {
            // Per segment: values whose candidates in the segment's box lie on the line, two or
            // more, and that the line holds elsewhere too. When two boxes of the band point with
            // one value, each sees the other's candidates: the first box acts.
            std::uint32_t pointing[kLineCellCapacity] = {};
            std::uint32_t anyPointing = 0;
            for (int segment = 0; segment < n; ++segment) {
                pointing[segment] = segments.tally[line][segment].SeenTwice() & changed &
                                    ~segments.BoxOffLine(band * n, line, segment) & ~segments.placed[line] &
                                    segments.LineOffSegment(line, segment);
                anyPointing |= pointing[segment];
            }
            if (anyPointing == 0) continue;
            const std::uint32_t bit = anyPointing & (~anyPointing + 1);
            int acting = 0;
            while (!(pointing[acting] & bit)) ++acting;
            // The pointing cells are noted box by box along the band, each box from the first entry
            // on, so entries past the acting box's cells keep those of an earlier box.
            for (int segment = 0; segment <= acting; ++segment) {
                int noted = 0;
                for (int i = 0; i < board.size; ++i) {
                    const int index =
                        UnitCellIndex(board, BoxUnit, segments.BoxAt(line, segment), i);
                    if (segments.OnLine(index, line) && (EmptyCandidates(board.cells[index]) & bit))
                        section.pointingCells[noted++] = {ColumnOfIndex(index), RowOfIndex(index)};
                }
                section.pointingCellCount = noted;
            }
            section.removalCount = 0;
            for (int p = 0; p < board.size; ++p) {
                if (p / n == acting) continue;
                const int index = segments.CellAt(line, p);
                if (EmptyCandidates(board.cells[index]) & bit)
                    AppendRemoval(section.removals, section.removalCount, index,
                                  board.RemoveCandidates(index, bit));
            }
            section.value = valueOfBit(bit);
            step.technique = technique;
            return 1;
        }
    }
    board.Changes().FoundNothing(technique);
    return 0;
}

// Lines ascending, values ascending: a value whose candidates on the line all lie in one box, two
// or more of them, is cleared from the rest of that box.
int FindBoxLineReduction(SudokuBoard& board, SolveStep& step, UnitKind kind,
                         TechniqueId technique) {
    const int n = board.boxSize;
    const std::uint32_t changed = board.Changes().ChangedValues(technique);
    if (changed == 0) return 0;
    LineSegments segments(board, kind);
    auto& section = step.boxLine;
    for (int band = 0; band < n; ++band) {
        if (!segments.ReadBand(board.Changes(), technique, band)) continue;
        for (int line = band * n; line < band * n + n; ++line) {
            // Per segment: values of the line found there only, at least twice, and still present
            // elsewhere in the box. The smallest of all of them is the step.
            std::uint32_t confined[kLineCellCapacity] = {};
            std::uint32_t anyConfined = 0;
            for (int segment = 0; segment < n; ++segment) {
                confined[segment] = segments.tally[line][segment].SeenTwice() & changed &
                                    ~segments.LineOffSegment(line, segment) &
                                    ~segments.placed[line] & segments.BoxOffLine(band * n, line, segment);
                anyConfined |= confined[segment];
            }
            if (anyConfined == 0) continue;
            const std::uint32_t bit = anyConfined & (~anyConfined + 1);
            int segment = 0;
            while (!(confined[segment] & bit)) ++segment;
            const int box = segments.BoxAt(line, segment);
            section.removalCount = 0;
            for (int i = 0; i < board.size; ++i) {
                const int index = UnitCellIndex(board, BoxUnit, box, i);
                if (!segments.OnLine(index, line) && (EmptyCandidates(board.cells[index]) & bit))
                    AppendRemoval(section.removals, section.removalCount, index,
                                  board.RemoveCandidates(index, bit));
            }
            section.value = valueOfBit(bit);
            section.lineCellCount = 0;
            for (int p = 0; p < board.size && section.lineCellCount < n; ++p) {
                const int index = segments.CellAt(line, p);
                if (EmptyCandidates(board.cells[index]) & bit)
                    section.lineCells[section.lineCellCount++] = {ColumnOfIndex(index),
                                                                  RowOfIndex(index)};
            }
            step.technique = technique;
            return 1;
        }
    }
    board.Changes().FoundNothing(technique);
    return 0;
}
}  // namespace

int FindPointingPairInRow(SudokuBoard& board, SolveStep& step) {
    return FindPointingPair(board, step, RowUnit, PointingPairInRow);
}

int FindPointingPairInColumn(SudokuBoard& board, SolveStep& step) {
    return FindPointingPair(board, step, ColumnUnit, PointingPairInColumn);
}

int FindBoxLineReductionInRow(SudokuBoard& board, SolveStep& step) {
    return FindBoxLineReduction(board, step, RowUnit, BoxLineReductionInRow);
}

int FindBoxLineReductionInColumn(SudokuBoard& board, SolveStep& step) {
    return FindBoxLineReduction(board, step, ColumnUnit, BoxLineReductionInColumn);
}

void ShowPointingPair(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.pointingPair;
    display.Begin(step.technique, PointingPairPage);
    display.AddValue(section.value);
    for (int i = 0; i < section.pointingCellCount; ++i)
        display.AddPatternCell(section.pointingCells[i]);
    display.AddChanges(section.removals, section.removalCount);
}

void ShowBoxLineReduction(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.boxLine;
    display.Begin(step.technique, BoxLineReductionPage);
    display.AddValue(section.value);
    for (int i = 0; i < section.lineCellCount; ++i) display.AddPatternCell(section.lineCells[i]);
    display.AddChanges(section.removals, section.removalCount);
}
