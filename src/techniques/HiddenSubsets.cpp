// Hidden pairs and triples: values of a unit confined to two (three) cells, which then lose
// every other candidate. One finder per family serves every unit.

#include <bit>

#include "techniques/SubsetTriggers.h"
#include "techniques/TechniqueRoutines.h"

namespace {
bool HasTwoBits(std::uint32_t mask) {
    const std::uint32_t rest = mask & (mask - 1);
    return (rest != 0) & ((rest & (rest - 1)) == 0);
}

// For every unit of one kind: where each value can go (bit i for the unit's i-th cell, empty
// cells only), and the values that can go in exactly two cells. Gathered once per search: the
// board does not change until a step is applied.
struct UnitValuePlaces {
    std::uint32_t positions[kMaxSize][kMaxSize] = {};  // [unit][value - 1]
    std::uint32_t twoPlaceValues[kMaxSize] = {};

    UnitValuePlaces(const SudokuBoard& board, UnitKind kind) {
        const std::uint32_t full = fullMask(board.size);
        for (int unit = 0; unit < board.size; ++unit) {
            for (int i = 0; i < board.size; ++i) {
                const BoardCell& cell = board.cells[UnitCellIndex(board, kind, unit, i)];
                for (std::uint32_t m = cell.candidates & full & EmptyMask(cell); m != 0; m &= m - 1)
                    positions[unit][std::countr_zero(m)] |= 1u << i;
            }
            for (int v = 0; v < board.size; ++v)
                twoPlaceValues[unit] |= static_cast<std::uint32_t>(HasTwoBits(positions[unit][v]))
                                        << v;
        }
    }
};

// Whether some unit has two values sharing the same two places, one of them a cell with more
// candidates than the two. Every pair the trigger scan can find is such a one (its trigger is
// one of the two cells), so without one the scan would find nothing.
bool MayHoldHiddenPair(const SudokuBoard& board, const UnitValuePlaces& places, UnitKind kind) {
    for (int unit = 0; unit < board.size; ++unit)
        for (std::uint32_t a = places.twoPlaceValues[unit]; a != 0; a &= a - 1) {
            const std::uint32_t both = places.positions[unit][std::countr_zero(a)];
            for (std::uint32_t b = a & (a - 1); b != 0; b &= b - 1) {
                if (places.positions[unit][std::countr_zero(b)] != both) continue;
                for (std::uint32_t rest = both; rest != 0; rest &= rest - 1) {
                    const int index = UnitCellIndex(board, kind, unit, std::countr_zero(rest));
                    if (board.cells[index].candidateNbr > 2) return true;
                }
            }
        }
    return false;
}

int FindHiddenPair(SudokuBoard& board, SolveStep& step, TriggerScan scan, TechniqueId technique) {
    auto& section = step.hiddenPair;
    const UnitValuePlaces places(board, scan.test);
    if (!MayHoldHiddenPair(board, places, scan.test)) return 0;
    return ScanTriggers(
        board, scan, [](int count) { return count > 2; },
        [&](int trigger, int unit) {
            // A pair is two values whose places are the same two cells; a cell holding only one
            // of them spoils it. Values with another number of places can be left out without
            // changing which pair comes first.
            int values[kMaxSize] = {};
            const int count = MaskValues(
                board.cells[trigger].candidates & places.twoPlaceValues[unit], values, kMaxSize);
            for (int a = 0; a < count; ++a)
                for (int b = a + 1; b < count; ++b) {
                    const std::uint32_t both = places.positions[unit][values[a] - 1];
                    if (places.positions[unit][values[b] - 1] != both) continue;
                    const std::uint32_t pair = bitOf(values[a]) | bitOf(values[b]);
                    section.valueA = values[a];
                    section.valueB = values[b];
                    int noted = 0;
                    for (int i = 0; i < board.size; ++i) {
                        if (!(both & (1u << i))) continue;
                        const int index = UnitCellIndex(board, scan.test, unit, i);
                        BoardCell& cell = board.cells[index];
                        section.cells[noted] = {ColumnOfIndex(index), RowOfIndex(index)};
                        section.removedMasks[noted] = static_cast<int>(cell.candidates & ~pair);
                        cell.candidates = pair;
                        cell.candidateNbr = 2;
                        ++noted;
                    }
                    step.technique = technique;
                    return true;
                }
            return false;
        });
}

// The value triples of a trigger with four or five candidates, as positions in its value list,
// in the order they are tried.
constexpr int kTriplesOfFour[][3] = {{0, 1, 2}, {0, 2, 3}, {0, 1, 3}, {1, 2, 3}};
constexpr int kTriplesOfFive[][3] = {{0, 1, 2}, {0, 1, 3}, {0, 1, 4}, {1, 2, 3}, {1, 2, 4},
                                     {2, 3, 4}, {0, 2, 3}, {0, 3, 4}, {0, 2, 4}, {1, 3, 4}};

int FindHiddenTriple(SudokuBoard& board, SolveStep& step, TriggerScan scan, TechniqueId technique) {
    auto& section = step.hiddenTriple;
    const UnitValuePlaces places(board, scan.test);
    return ScanTriggers(
        board, scan, [](int count) { return count == 4 || count == 5; },
        [&](int trigger, int unit) {
            int values[kMaxSize] = {};
            const int count = MaskValues(board.cells[trigger].candidates & fullMask(board.size),
                                         values, kMaxSize);
            if (count != 4 && count != 5) return false;
            const std::uint32_t* positions = places.positions[unit];
            const int tripleCount = count == 4 ? 4 : 10;
            for (int t = 0; t < tripleCount; ++t) {
                const int* triple = count == 4 ? kTriplesOfFour[t] : kTriplesOfFive[t];
                const std::uint32_t a = positions[values[triple[0]] - 1];
                const std::uint32_t b = positions[values[triple[1]] - 1];
                const std::uint32_t c = positions[values[triple[2]] - 1];
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
                    BoardCell& cell = board.cells[index];
                    section.cells[noted++] = {ColumnOfIndex(index), RowOfIndex(index)};
                    const std::uint32_t removed = RemoveCandidates(cell, ~tripleMask);
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
