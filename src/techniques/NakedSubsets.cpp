// Naked pairs, triples and quads: k cells of a unit whose candidates together are k values clear
// those values from the unit's other cells. One finder serves every unit and subset size.

#include <algorithm>
#include <bit>

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
constexpr int kMaxSubset = 4;

// The cells of one unit that may form a subset with the trigger's candidates: cells holding all
// of them (full), then cells holding two or three of them (the partial kinds), in walking order.
struct SubsetCells {
    int full = 0;
    int pairs = 0;
    int triples = 0;
    int fullCells[kMaxSubset] = {};
    int pairCells[kMaxSubset] = {};
    int tripleCells[kMaxSubset] = {};
    // The positions in the unit of the full cells, and of the partial ones.
    std::uint32_t fullPlaces = 0;
    std::uint32_t partialPlaces = 0;

    static void Note(int* cells, int& count, int index) {
        if (count < kMaxSubset) cells[count] = index;
        ++count;
    }
    // Accepted: exactly k full cells, or one to k - 1 full cells completed to k by partial ones.
    bool Accepts(int k) const {
        return full == k || (full >= 1 && full < k && full + pairs + triples == k);
    }
    // The positions of the k cells Collect gives, once accepted.
    std::uint32_t Places(int k) const {
        return full == k ? fullPlaces : fullPlaces | partialPlaces;
    }
    // The k subset cells: full, then pair, then triple cells.
    void Collect(int k, int* cells) const {
        int taken = 0;
        for (int i = 0; i < full && taken < k; ++i) cells[taken++] = fullCells[i];
        for (int i = 0; i < pairs && taken < k; ++i) cells[taken++] = pairCells[i];
        for (int i = 0; i < triples && taken < k; ++i) cells[taken++] = tripleCells[i];
    }
};

struct RemovalList {
    std::array<StepRemoval, kUnitRemovalCapacity>& removals;
    std::int32_t& count;
};

RemovalList RemovalsOf(SolveStep& step, int k) {
    if (k == 2) return {step.nakedPair.removals, step.nakedPair.removalCount};
    if (k == 3) return {step.nakedTriple.removals, step.nakedTriple.removalCount};
    return {step.nakedQuad.removals, step.nakedQuad.removalCount};
}

template <class Section>
void NoteSubset(Section& section, const int* values, const int* cells) {
    for (std::size_t i = 0; i < section.values.size(); ++i) {
        section.values[i] = values[i];
        section.cells[i] = {ColumnOfIndex(cells[i]), RowOfIndex(cells[i])};
    }
}

void NoteSubset(SolveStep& step, int k, const int* values, const int* cells) {
    if (k == 2) {
        step.nakedPair.valueA = values[0];
        step.nakedPair.valueB = values[1];
        for (int i = 0; i < 2; ++i)
            step.nakedPair.cells[i] = {ColumnOfIndex(cells[i]), RowOfIndex(cells[i])};
    } else if (k == 3) {
        NoteSubset(step.nakedTriple, values, cells);
    } else {
        NoteSubset(step.nakedQuad, values, cells);
    }
}

// Triggers are empty cells with exactly k candidates; their unit is searched for the subset.
int FindNakedSubset(SudokuBoard& board, SolveStep& step, UnitKind kind, int k,
                    TechniqueId technique) {
    const RemovalList list = RemovalsOf(step, k);
    const UnitMasks& places = board.Masks();
    // The subset of a trigger that passed the count of cells inside it.
    auto trySubset = [&](int trigger, int unit) {
        const std::uint32_t subset = board.cells[trigger].candidates;
        SubsetCells found;
        for (int i = 0; i < board.size; ++i) {
            const int index = UnitCellIndex(board, kind, unit, i);
            const BoardCell& cell = board.cells[index];
            if (!cell.IsEmpty() || (cell.candidates & ~subset) != 0) continue;
            if (cell.candidates == subset) {
                SubsetCells::Note(found.fullCells, found.full, index);
                found.fullPlaces |= 1u << i;
            } else if (BitCount(cell.candidates) == 2) {
                SubsetCells::Note(found.pairCells, found.pairs, index);
                found.partialPlaces |= 1u << i;
            } else if (BitCount(cell.candidates) == 3) {
                SubsetCells::Note(found.tripleCells, found.triples, index);
                found.partialPlaces |= 1u << i;
            }
        }
        if (!found.Accepts(k)) return false;
        // Most subsets a board holds cleared their unit long ago: the places of their values
        // tell whether an empty cell outside still keeps one.
        std::uint32_t reached = 0;
        for (std::uint32_t rest = subset; rest != 0; rest &= rest - 1)
            reached |= places.Of(kind, unit, std::countr_zero(rest) + 1);
        if ((reached & ~found.Places(k)) == 0) return false;
        int cells[kMaxSubset] = {};
        found.Collect(k, cells);

        list.removals.fill(StepRemoval{});
        list.count = 0;
        for (int i = 0; i < board.size; ++i) {
            const int index = UnitCellIndex(board, kind, unit, i);
            if (!board.cells[index].IsEmpty() || std::find(cells, cells + k, index) != cells + k)
                continue;
            const std::uint32_t removed = board.RemoveCandidates(index, subset);
            if (removed)
                list.removals[list.count++] = {ColumnOfIndex(index), RowOfIndex(index),
                                               static_cast<int>(removed)};
        }
        if (list.count == 0) return false;
        int values[kMaxSubset] = {};
        MaskValues(subset, values, kMaxSubset);
        NoteSubset(step, k, values, cells);
        step.technique = technique;
        return true;
    };
    // Triggers are visited as SameUnitScan(kind) visits them: unit by unit, in walking order.
    // The count of the cells inside a trigger's candidates, which rejects most triggers, is read
    // from the unit's places: the empty cells that keep no value outside them. A subset lies
    // within its unit: units unchanged since a search in vain are passed over.
    ChangeStamps& changes = board.Changes();
    const std::uint32_t values = fullMask(board.size);
    for (int unit = 0; unit < board.size; ++unit) {
        if (!changes.UnitChanged(technique, kind, unit)) continue;
        // A subset clears something only from an empty cell beside its own k.
        const std::uint32_t empty = places.Empty(kind, unit);
        if (std::popcount(empty) <= k) continue;
        std::uint32_t triggers = places.Bivalue(kind, unit);
        if (k != 2) {
            triggers = 0;
            for (std::uint32_t rest = empty; rest != 0; rest &= rest - 1) {
                const int i = std::countr_zero(rest);
                const BoardCell& cell = board.cells[UnitCellIndex(board, kind, unit, i)];
                triggers |= static_cast<std::uint32_t>(cell.candidateNbr == k) << i;
            }
        }
        for (; triggers != 0; triggers &= triggers - 1) {
            const int trigger = UnitCellIndex(board, kind, unit, std::countr_zero(triggers));
            const std::uint32_t subset = board.cells[trigger].candidates;
            std::uint32_t outside = 0;
            for (std::uint32_t rest = values & ~subset; rest != 0; rest &= rest - 1)
                outside |= places.Of(kind, unit, std::countr_zero(rest) + 1);
            // Every cell of an accepted subset is empty with candidates inside it: with fewer
            // than k such cells (the usual case) the trigger fails without sorting cells.
            if (std::popcount(empty & ~outside) < k) continue;
            if (trySubset(trigger, unit)) return 1;
        }
    }
    changes.FoundNothing(technique);
    return 0;
}
}  // namespace

int FindNakedPairInBox(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, BoxUnit, 2, NakedPairInBox);
}
int FindNakedPairInRow(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, RowUnit, 2, NakedPairInRow);
}
int FindNakedPairInColumn(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, ColumnUnit, 2, NakedPairInColumn);
}
int FindNakedTripleInBox(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, BoxUnit, 3, NakedTripleInBox);
}
int FindNakedTripleInRow(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, RowUnit, 3, NakedTripleInRow);
}
int FindNakedTripleInColumn(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, ColumnUnit, 3, NakedTripleInColumn);
}
int FindNakedQuadInBox(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, BoxUnit, 4, NakedQuadInBox);
}
int FindNakedQuadInRow(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, RowUnit, 4, NakedQuadInRow);
}
int FindNakedQuadInColumn(SudokuBoard& board, SolveStep& step) {
    return FindNakedSubset(board, step, ColumnUnit, 4, NakedQuadInColumn);
}

const StepDescription kNakedPairDescription = {"Candidates %s and/or %s removed in Cell%s", 2,
                                               CellListing::All};
const StepDescription kNakedTripleDescription = {"Candidates %s, %s and/or %s removed in Cell%s", 3,
                                                 CellListing::All};
const StepDescription kNakedQuadDescription = {"Candidates %s, %s, %s and %s removed in Cell%s", 4,
                                               CellListing::All};

namespace {
template <class Section>
void ShowSubset(const SolveStep& step, const Section& section, HintPage page,
                StepDisplay& display) {
    display.Begin(step.technique, page);
    for (std::size_t i = 0; i < section.values.size(); ++i) {
        display.AddValue(section.values[i]);
        display.AddPatternCell(section.cells[i]);
    }
    display.AddChanges(section.removals, section.removalCount);
}
}  // namespace

void ShowNakedPair(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.nakedPair;
    display.Begin(step.technique, NakedPairPage);
    display.AddValue(section.valueA);
    display.AddValue(section.valueB);
    for (const StepCell& cell : section.cells) display.AddPatternCell(cell);
    display.AddChanges(section.removals, section.removalCount);
}
void ShowNakedTriple(const SolveStep& step, StepDisplay& display) {
    ShowSubset(step, step.nakedTriple, NakedTriplePage, display);
}
void ShowNakedQuad(const SolveStep& step, StepDisplay& display) {
    ShowSubset(step, step.nakedQuad, NakedQuadPage, display);
}
