// Single colours: the cells of one value linked by conjugate pairs (the only two places of the
// value in a unit) get two alternating colours; all cells of one colour hold the value, all of
// the other do not. Type I: a cell that sees both colours cannot hold it. Type II: a colour that
// occurs twice in a unit is the false one, and all its cells lose the value.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using ColoursSection = SolveStep::SingleColoursSection;

// Colours one chain at a time into the section's grid. Besides the grid it keeps, per colour and
// unit, the mask of coloured places in walking order, so that "the first colour of a line" and
// "a colour twice in a unit" are bit tests instead of unit scans.
class Colouring {
public:
    Colouring(SudokuBoard& board, ColoursSection& section)
        : board_(board), places_(board.Masks()), section_(section) {}

    // Colours the chain of the section's value through (x, y); returns the number of cells
    // coloured.
    int Run(int x, int y) {
        ClearGrid();
        bit_ = bitOf(section_.value);
        colourPlaces_ = {};
        colouredNbr_ = 0;
        clash_ = false;
        SetColour(x, y, 1);
        ColourFrom(x, y);
        return colouredNbr_;
    }

    // Reading order, as a scan of every cell would meet them.
    int RemoveSeeingBothColours() {
        section_.removalCount = 0;
        for (int y = 0; y < board_.size; ++y) {
            const int rowColour = FirstColour(RowUnit, y);
            if (rowColour == 0) continue;
            const std::uint32_t uncoloured =
                places_.Of(RowUnit, y, section_.value) & ~Coloured(RowUnit, y);
            for (std::uint32_t rest = uncoloured; rest != 0; rest &= rest - 1) {
                const int x = std::countr_zero(rest);
                const int columnColour = FirstColour(ColumnUnit, x);
                if (columnColour != 0 && columnColour != rowColour) Remove(x, y);
            }
        }
        return section_.removalCount;
    }

    // The first colour found twice in one unit (rows, then columns, then boxes), or 0.
    int RepeatedColour() const {
        for (const UnitKind kind : {RowUnit, ColumnUnit, BoxUnit})
            for (int unit = 0; unit < board_.size; ++unit) {
                if (std::popcount(colourPlaces_[0][kind][unit]) > 1) return 1;
                if (std::popcount(colourPlaces_[1][kind][unit]) > 1) return 2;
            }
        return 0;
    }

    // Marks the cells of the last chain with v when no link joined two cells of one colour. Such
    // a chain is coloured the same from any of its cells, but for an exchange of the colours,
    // which changes no finding: having found nothing, it finds nothing from another start.
    void MarkIfTwoColoured(std::array<std::uint8_t, kGridCells>& explored, int v) const {
        if (clash_) return;
        for (int i = 0; i < colouredNbr_; ++i)
            explored[coloured_[i]] = static_cast<std::uint8_t>(v);
    }

    void RemoveColour(int colour) {
        section_.removalCount = 0;
        for (int y = 0; y < board_.size; ++y)
            for (std::uint32_t rest = colourPlaces_[colour - 1][RowUnit][y]; rest != 0;
                 rest &= rest - 1)
                Remove(std::countr_zero(rest), y);
    }

private:
    // The grid is wiped once, then only the cells of the previous chain are cleared.
    void ClearGrid() {
        if (!gridWiped_) {
            for (int c = 0; c < board_.size; ++c) section_.colour[c].fill(0);
            gridWiped_ = true;
        }
        for (int i = 0; i < colouredNbr_; ++i)
            section_.colour[ColumnOfIndex(coloured_[i])][RowOfIndex(coloured_[i])] = 0;
    }

    void SetColour(int x, int y, int colour) {
        section_.colour[x][y] = colour;
        coloured_[colouredNbr_++] = static_cast<std::uint8_t>(CellIndex(x, y));
        auto& masks = colourPlaces_[colour - 1];
        masks[RowUnit][y] |= static_cast<std::uint16_t>(1u << x);
        masks[ColumnUnit][x] |= static_cast<std::uint16_t>(1u << y);
        masks[BoxUnit][board_.BoxIndex(x, y)] |=
            static_cast<std::uint16_t>(1u << places_.BoxPosition(x, y));
    }

    // A unit whose only other place of the value is one cell links that cell.
    void ColourFrom(int x, int y) {
        const int opposite = section_.colour[x][y] == 1 ? 2 : 1;
        places_.ForEachLink<false>(x, y, section_.value, [&](int column, int row) {
            ColourLinked(column, row, opposite);
        });
    }

    void ColourLinked(int x, int y, int colour) {
        if (section_.colour[x][y] != 0) {
            clash_ = clash_ || section_.colour[x][y] != colour;
            return;
        }
        SetColour(x, y, colour);
        ColourFrom(x, y);
    }

    std::uint32_t Coloured(UnitKind kind, int line) const {
        return colourPlaces_[0][kind][line] | colourPlaces_[1][kind][line];
    }

    // The colour of the line's first coloured cell in walking order, or 0.
    int FirstColour(UnitKind kind, int line) const {
        const std::uint32_t coloured = Coloured(kind, line);
        if (coloured == 0) return 0;
        return colourPlaces_[0][kind][line] & (coloured & (~coloured + 1)) ? 1 : 2;
    }

    void Remove(int x, int y) {
        board_.RemoveCandidates(CellIndex(x, y), bit_);
        section_.removals[section_.removalCount++] = {x, y, static_cast<std::int32_t>(bit_)};
    }

    SudokuBoard& board_;
    const UnitMasks& places_;
    ColoursSection& section_;
    std::uint32_t bit_ = 0;
    bool gridWiped_ = false;
    bool clash_ = false;
    int colouredNbr_ = 0;
    std::array<std::uint8_t, kGridCells> coloured_{};
    // [colour - 1][kind][unit]
    std::array<std::array<std::array<std::uint16_t, kMaxSize>, 3>, 2> colourPlaces_{};
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
    const UnitMasks& places = board.Masks();
    // A colouring concerns one value: values unchanged since a search in vain are passed over.
    const std::uint32_t values = board.Changes().ChangedValues(SingleColoursType1);
    Colouring colouring(board, section);
    // The value whose chains in vain passed through each cell, when they were two-coloured.
    std::array<std::uint8_t, kGridCells> explored{};
    for (int v = 1; v <= n; ++v) {
        if (!(values & bitOf(v))) continue;
        section.value = v;
        for (int y = 0; y < n; ++y) {
            // Only a row's first candidate cell is looked at: it starts a colouring when it is
            // half of a conjugate pair, and otherwise the row is passed over.
            const std::uint32_t rowPlaces = places.TwoPlaces(RowUnit, y, v);
            if (rowPlaces == 0 || explored[CellIndex(SecondPlace(rowPlaces), y)] == v) continue;
            if (colouring.Run(SecondPlace(rowPlaces), y) < 3) {
                colouring.MarkIfTwoColoured(explored, v);
                continue;
            }
            if (colouring.RemoveSeeingBothColours() > 0) return Conclude(step, SingleColoursType1);
            const int falseColour = colouring.RepeatedColour();
            if (falseColour == 0) {
                colouring.MarkIfTwoColoured(explored, v);
                continue;
            }
            section.falseColour = falseColour;
            colouring.RemoveColour(falseColour);
            return Conclude(step, SingleColoursType2);
        }
    }
    board.Changes().FoundNothing(SingleColoursType1);
    return 0;
}

void ShowSingleColours(const SolveStep& step, StepDisplay& display) {
    const ColoursSection& section = step.singleColours;
    display.Begin(step.technique, NoHintPage);
    display.AddValue(section.value);
    display.colour = section.colour;
    for (const auto& column : section.colour)
        for (const std::int32_t colour : column) display.colouredNbr += colour != 0;
    if (step.technique == SingleColoursType2) display.falseColour = section.falseColour;
    display.AddChanges(section.removals, section.removalCount);
}
