// Hidden pairs and triples: values of a unit confined to two (three) cells, which then lose
// every other candidate. One finder per family serves every unit.

#include <bit>

#include "techniques/SubsetTriggers.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// The places of every value in the units of the scan's kind, and per unit (for pairs) the values
// with exactly two places. A pattern lies within its unit, so only units changed since the search
// last came back empty are looked at.
struct KindPlaces {
    UnitKind kind;
    const UnitMasks& masks;
    std::uint32_t changedUnits = 0;
    std::uint32_t twoPlaceValues[kMaxSize] = {};

    KindPlaces(SudokuBoard& board, UnitKind k, TechniqueId technique, bool pairs)
        : kind(k), masks(board.Masks()) {
        for (int unit = 0; unit < board.size; ++unit) {
            if (!board.Changes().UnitChanged(technique, kind, unit)) continue;
            changedUnits |= 1u << unit;
            if (!pairs) continue;
            for (int v = 1; v <= board.size; ++v)
                twoPlaceValues[unit] |= static_cast<std::uint32_t>(std::popcount(Of(unit, v)) == 2)
                                        << (v - 1);
        }
    }
    std::uint32_t Of(int unit, int v) const { return masks.Of(kind, unit, v); }
    bool Changed(int unit) const { return (changedUnits >> unit) & 1u; }
    // The units a scan walks: the changed ones when it walks the units it tests.
    std::uint32_t WalkUnits(const SudokuBoard& board, TriggerScan scan) const {
        return scan.walk == scan.test ? changedUnits : fullMask(board.size);
    }
};

// The scan's result; a scan in vain is noted so that the next one looks at changed units only.
int Concluded(SudokuBoard& board, TechniqueId technique, int found) {
    if (!found) board.Changes().FoundNothing(technique);
    return found;
}

// Whether some unit has two values sharing the same two places, one of them a cell with more
// candidates than the two. Every pair the trigger scan can find is such a one (its trigger is
// one of the two cells), so without one the scan would find nothing.
bool MayHoldHiddenPair(const SudokuBoard& board, const KindPlaces& places) {
    for (int unit = 0; unit < board.size; ++unit)
        for (std::uint32_t a = places.twoPlaceValues[unit]; a != 0; a &= a - 1) {
            const std::uint32_t both = places.Of(unit, std::countr_zero(a) + 1);
            for (std::uint32_t b = a & (a - 1); b != 0; b &= b - 1) {
                if (places.Of(unit, std::countr_zero(b) + 1) != both) continue;
                for (std::uint32_t rest = both; rest != 0; rest &= rest - 1) {
                    const int index =
                        UnitCellIndex(board, places.kind, unit, std::countr_zero(rest));
                    if (board.cells[index].candidateNbr > 2) return true;
                }
            }
        }
    return false;
}

int FindHiddenPair(SudokuBoard& board, SolveStep& step, TriggerScan scan, TechniqueId technique) {
    auto& section = step.hiddenPair;
    const KindPlaces places(board, scan.test, technique, true);
    if (!MayHoldHiddenPair(board, places)) return Concluded(board, technique, 0);
    const int found = ScanTriggers(
        board, scan, places.WalkUnits(board, scan), [](int count) { return count > 2; },
        [&](int trigger, int unit) {
            if (!places.Changed(unit)) return false;
            // A pair is two values whose places are the same two cells; a cell holding only one
            // of them spoils it. Values with another number of places can be left out without
            // changing which pair comes first.
            int values[kMaxSize] = {};
            const int count = MaskValues(
                board.cells[trigger].candidates & places.twoPlaceValues[unit], values, kMaxSize);
            for (int a = 0; a < count; ++a)
                for (int b = a + 1; b < count; ++b) {
                    const std::uint32_t both = places.Of(unit, values[a]);
                    if (places.Of(unit, values[b]) != both) continue;
                    const std::uint32_t pair = bitOf(values[a]) | bitOf(values[b]);
                    section.valueA = values[a];
                    section.valueB = values[b];
                    int noted = 0;
                    for (int i = 0; i < board.size; ++i) {
                        if (!(both & (1u << i))) continue;
                        const int index = UnitCellIndex(board, scan.test, unit, i);
                        section.cells[noted] = {ColumnOfIndex(index), RowOfIndex(index)};
                        section.removedMasks[noted] =
                            static_cast<int>(board.RemoveCandidates(index, ~pair));
                        ++noted;
                    }
                    step.technique = technique;
                    return true;
                }
            return false;
        });
    return Concluded(board, technique, found);
}

// The value triples of a trigger with four or five candidates, as positions in its value list,
// in the order they are tried.
constexpr int kTriplesOfFour[][3] = {{0, 1, 2}, {0, 2, 3}, {0, 1, 3}, {1, 2, 3}};
constexpr int kTriplesOfFive[][3] = {{0, 1, 2}, {0, 1, 3}, {0, 1, 4}, {1, 2, 3}, {1, 2, 4},
                                     {2, 3, 4}, {0, 2, 3}, {0, 3, 4}, {0, 2, 4}, {1, 3, 4}};

int FindHiddenTriple(SudokuBoard& board, SolveStep& step, TriggerScan scan, TechniqueId technique) {
    auto& section = step.hiddenTriple;
    const KindPlaces places(board, scan.test, technique, false);
    const int found = ScanTriggers(
        board, scan, places.WalkUnits(board, scan),
        [](int count) { return count == 4 || count == 5; },
        [&](int trigger, int unit) {
            if (!places.Changed(unit)) return false;
            int values[kMaxSize] = {};
            const int count = MaskValues(board.cells[trigger].candidates & fullMask(board.size),
                                         values, kMaxSize);
            if (count != 4 && count != 5) return false;
            const int tripleCount = count == 4 ? 4 : 10;
            for (int t = 0; t < tripleCount; ++t) {
                const int* triple = count == 4 ? kTriplesOfFour[t] : kTriplesOfFive[t];
                const std::uint32_t a = places.Of(unit, values[triple[0]]);
                const std::uint32_t b = places.Of(unit, values[triple[1]]);
                const std::uint32_t c = places.Of(unit, values[triple[2]]);
                // Cells holding exactly one of the three values spoil the triple; the others
                // hold two (partial) or three (full).
                const std::uint32_t any = a | b | c;
                const std::uint32_t atLeastTwo = (a & b) | (a & c) | (b & c);
                if (any != atLeastTwo || BitCount(any) != 3 || (a & b & c) == 0) continue;
                const std::uint32_t tripleMask =
                    bitOf(values[triple[0]]) | bitOf(values[triple[1]]) | bitOf(values[triple[2]]);
                int noted = 0;
                section.removalCount = 0;
                for (int i = 0; i < board.size; ++i) {
                    if (!(any & (1u << i))) continue;
                    const int index = UnitCellIndex(board, scan.test, unit, i);
                    section.cells[noted++] = {ColumnOfIndex(index), RowOfIndex(index)};
                    const std::uint32_t removed = board.RemoveCandidates(index, ~tripleMask);
                    if (removed)
                        section.removals[section.removalCount++] = {
                            ColumnOfIndex(index), RowOfIndex(index), static_cast<int>(removed)};
                }
                // The trigger is one of the cells and holds a value outside the triple, so
                // something was removed.
                for (int k = 0; k < 3; ++k) section.values[k] = values[triple[k]];
                step.technique = technique;
                return true;
            }
            return false;
        });
    return Concluded(board, technique, found);
}
}  // namespace

int FindHiddenPairInBox(SudokuBoard& board, SolveStep& step) {
    // Box triggers are visited row by row here, unlike the other box techniques.
    return FindHiddenPair(board, step, {BoxUnit, BoxUnit, true}, HiddenPairInBox);
}
int FindHiddenPairInRow(SudokuBoard& board, SolveStep& step) {
    return FindHiddenPair(board, step, SameUnitScan(RowUnit), HiddenPairInRow);
}
int FindHiddenPairInColumn(SudokuBoard& board, SolveStep& step) {
    return FindHiddenPair(board, step, SameUnitScan(ColumnUnit), HiddenPairInColumn);
}
int FindHiddenTripleInBox(SudokuBoard& board, SolveStep& step) {
    return FindHiddenTriple(board, step, SameUnitScan(BoxUnit), HiddenTripleInBox);
}
int FindHiddenTripleInRow(SudokuBoard& board, SolveStep& step) {
    return FindHiddenTriple(board, step, SameUnitScan(RowUnit), HiddenTripleInRow);
}
int FindHiddenTripleInColumn(SudokuBoard& board, SolveStep& step) {
    // Triggers are visited row by row; each is tested in its column.
    return FindHiddenTriple(board, step, {RowUnit, ColumnUnit, false}, HiddenTripleInColumn);
}

const StepDescription kHiddenPairDescription = {"Candidates other than %s and %s removed in Cells ",
                                                2, CellListing::FirstTwo};
const StepDescription kHiddenTripleDescription = {
    "Candidates other than %s, %s and %s removed in Cell%s", 3, CellListing::All};

void ShowHiddenPair(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.hiddenPair;
    display.Begin(step.technique, HiddenPairPage);
    display.AddValue(section.valueA);
    display.AddValue(section.valueB);
    for (int i = 0; i < 2; ++i) {
        display.AddPatternCell(section.cells[i]);
        display.AddChange(section.cells[i].column, section.cells[i].row, section.removedMasks[i]);
    }
}

void ShowHiddenTriple(const SolveStep& step, StepDisplay& display) {
    const auto& section = step.hiddenTriple;
    display.Begin(step.technique, HiddenTriplePage);
    for (int i = 0; i < 3; ++i) {
        display.AddValue(section.values[i]);
        display.AddPatternCell(section.cells[i]);
    }
    display.AddChanges(section.removals, section.removalCount);
}
