// Single colours: the cells of one value linked by conjugate pairs (the only two places of the
// value in a unit) get two alternating colours; all cells of one colour hold the value, all of
// the other do not. Type I: a cell that sees both colours cannot hold it. Type II: a colour that
// occurs twice in a unit is the false one, and all its cells lose the value.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using ColoursSection = SolveStep::SingleColoursSection;

class Colouring {
public:
    Colouring(SudokuBoard& board, ColoursSection& section)
        : board_(board), section_(section), bit_(bitOf(section.value)) {}

    // Colours the chain through (x, y); returns the number of cells coloured.
    int Run(int x, int y) {
        for (int c = 0; c < board_.size; ++c) section_.colour[c].fill(0);
        section_.colour[x][y] = 1;
        colouredNbr_ = 1;
        ColourFrom(x, y);
        return colouredNbr_;
    }

    int RemoveSeeingBothColours() {
        section_.removalCount = 0;
        for (int y = 0; y < board_.size; ++y)
            for (int x = 0; x < board_.size; ++x) {
                BoardCell& cell = board_.Cell(x, y);
                if (!cell.IsEmpty() || section_.colour[x][y] != 0 || !(cell.candidates & bit_))
                    continue;
                const int rowColour = FirstColour(RowUnit, y);
                const int columnColour = FirstColour(ColumnUnit, x);
                if (rowColour == 0 || columnColour == 0 || rowColour == columnColour) continue;
                Remove(x, y);
            }
        return section_.removalCount;
    }

    // The first colour found twice in one unit (rows, then columns, then boxes), or 0.
    int RepeatedColour() const {
        for (const UnitKind kind : {RowUnit, ColumnUnit, BoxUnit})
            for (int unit = 0; unit < board_.size; ++unit) {
                int counts[3] = {0, 0, 0};
                for (int i = 0; i < board_.size; ++i) {
                    const int index = UnitCellIndex(board_, kind, unit, i);
                    ++counts[section_.colour[ColumnOfIndex(index)][RowOfIndex(index)]];
                }
                if (counts[1] > 1) return 1;
                if (counts[2] > 1) return 2;
            }
        return 0;
    }

    void RemoveColour(int colour) {
        section_.removalCount = 0;
        for (int y = 0; y < board_.size; ++y)
            for (int x = 0; x < board_.size; ++x)
                if (section_.colour[x][y] == colour) Remove(x, y);
    }

private:
    void ColourFrom(int x, int y) {
        const int opposite = section_.colour[x][y] == 1 ? 2 : 1;
        int otherColumn = -1, otherRow = -1;
        if (FindInRow(board_, y, x, bit_, 1, otherColumn)) ColourLinked(otherColumn, y, opposite);
        if (FindInColumn(board_, x, y, bit_, 1, otherRow)) ColourLinked(x, otherRow, opposite);
        if (FindInBox(board_, board_.BoxIndex(x, y), x, y, bit_, 1, otherColumn, otherRow))
            ColourLinked(otherColumn, otherRow, opposite);
    }

    void ColourLinked(int x, int y, int colour) {
        if (section_.colour[x][y] != 0) return;
        section_.colour[x][y] = colour;
        ++colouredNbr_;
        ColourFrom(x, y);
    }

    int FirstColour(UnitKind kind, int line) const {
        for (int i = 0; i < board_.size; ++i) {
            const int index = UnitCellIndex(board_, kind, line, i);
            const int colour = section_.colour[ColumnOfIndex(index)][RowOfIndex(index)];
            if (colour != 0) return colour;
        }
        return 0;
    }

    void Remove(int x, int y) {
        RemoveCandidates(board_.Cell(x, y), bit_);
        section_.removals[section_.removalCount++] = {x, y, static_cast<std::int32_t>(bit_)};
    }

    SudokuBoard& board_;
    ColoursSection& section_;
    std::uint32_t bit_;
    int colouredNbr_ = 0;
};

int Conclude(SolveStep& step, TechniqueId technique) {
    step.singleColours.colourTechnique = technique;
    step.technique = technique;
    return 1;
}
}  // namespace

int FindSingleColours(SudokuBoard& board, SolveStep& step) {
    ColoursSection& section = step.singleColours;
    const int n = board.size;
    LinePlaces places{};
    for (int v = 1; v <= n; ++v) {
        section.value = v;
        Colouring colouring(board, section);
        for (int y = 0; y < n; ++y) {
            // Only a row's first candidate cell is looked at: it starts a colouring when it is
            // half of a conjugate pair, and otherwise the row is passed over.
            if (!PlacesInRow(board, y, v, 2, places)) continue;
            if (colouring.Run(places[1], y) < 3) continue;
            if (colouring.RemoveSeeingBothColours() > 0) return Conclude(step, SingleColoursType1);
            const int falseColour = colouring.RepeatedColour();
            if (falseColour == 0) continue;
            section.falseColour = falseColour;
            colouring.RemoveColour(falseColour);
            return Conclude(step, SingleColoursType2);
        }
    }
    return 0;
}
