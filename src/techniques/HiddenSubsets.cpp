// Hidden pairs and triples: values of a unit confined to two (three) cells, which then lose
// every other candidate. One finder per family serves every unit.

#include <bit>

#include "techniques/SubsetTriggers.h"
#include "techniques/TechniqueRoutines.h"

namespace {
// For the values of a trigger: the positions (bit i for the unit's i-th cell) of the unit's
// empty cells holding each of them.
struct ValuePlaces {
    int values[kMaxSize] = {};
    std::uint32_t positions[kMaxSize] = {};  // by list position, as values
    int count = 0;

    ValuePlaces(const SudokuBoard& board, UnitKind kind, int unit, std::uint32_t trigger) {
        count = ValuesOfMask(trigger, values, kMaxSize);
        std::uint32_t byValue[kMaxSize] = {};
        for (int i = 0; i < board.size; ++i) {
            const BoardCell& cell = board.cells[UnitCellIndex(board, kind, unit, i)];
            if (!cell.IsEmpty()) continue;
            for (std::uint32_t m = cell.candidates & trigger; m != 0; m &= m - 1)
                byValue[std::countr_zero(m)] |= 1u << i;
        }
        for (int k = 0; k < count; ++k) positions[k] = byValue[values[k] - 1];
    }
};

int FindHiddenPair(SudokuBoard& board, SolveStep& step, TriggerScan scan, TechniqueId technique) {
    auto& section = step.hiddenPair;
    return ScanTriggers(
        board, scan, [](int count) { return count > 2; },
        [&](int trigger, int unit) {
            const ValuePlaces places(board, scan.test, unit, board.cells[trigger].candidates);
            for (int a = 0; a < places.count; ++a)
                for (int b = a + 1; b < places.count; ++b) {
                    // A cell with only one of the two values spoils the pair.
                    const std::uint32_t both = places.positions[a];
                    if (places.positions[b] != both || BitCount(both) != 2) continue;
                    const std::uint32_t pair = bitOf(places.values[a]) | bitOf(places.values[b]);
                    section.valueA = places.values[a];
                    section.valueB = places.values[b];
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
    return ScanTriggers(
        board, scan, [](int count) { return count == 4 || count == 5; },
        [&](int trigger, int unit) {
            const ValuePlaces places(board, scan.test, unit, board.cells[trigger].candidates);
            const int tripleCount = places.count == 4 ? 4 : 10;
            for (int t = 0; t < tripleCount; ++t) {
                const int* triple = places.count == 4 ? kTriplesOfFour[t] : kTriplesOfFive[t];
                const std::uint32_t a = places.positions[triple[0]];
                const std::uint32_t b = places.positions[triple[1]];
                const std::uint32_t c = places.positions[triple[2]];
                // Cells holding exactly one of the three values spoil the triple; the others
                // hold two (partial) or three (full).
                const std::uint32_t any = a | b | c;
                const std::uint32_t atLeastTwo = (a & b) | (a & c) | (b & c);
                if (any != atLeastTwo || BitCount(any) != 3 || (a & b & c) == 0) continue;
                const std::uint32_t values = bitOf(places.values[triple[0]]) |
                                             bitOf(places.values[triple[1]]) |
                                             bitOf(places.values[triple[2]]);
                int noted = 0;
                section.removalCount = 0;
                for (int i = 0; i < board.size; ++i) {
                    if (!(any & (1u << i))) continue;
                    const int index = UnitCellIndex(board, scan.test, unit, i);
                    BoardCell& cell = board.cells[index];
                    section.cells[noted++] = {ColumnOfIndex(index), RowOfIndex(index)};
                    const std::uint32_t removed = RemoveCandidates(cell, ~values);
                    if (removed)
                        section.removals[section.removalCount++] = {
                            ColumnOfIndex(index), RowOfIndex(index), static_cast<int>(removed)};
                }
                // The trigger is one of the cells and holds a value outside the triple, so
                // something was removed.
                for (int k = 0; k < 3; ++k) section.values[k] = places.values[triple[k]];
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
