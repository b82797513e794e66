// Forced chains: try both values of a two-candidate cell in turn and follow what each forces
// through two-candidate cells (a value in a cell leaves the only two-candidate cell of a unit that
// shares it with its other value). A cell that both branches force to the same value must take it.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using ChainsSection = SolveStep::ForcedChainsSection;
using Chain = std::array<SolveStep::ChainNode, SolveStep::kChainCapacity>;

class ChainBuilder {
public:
    ChainBuilder(const SudokuBoard& board, ChainsSection& section, Chain& chain)
        : board_(board), section_(section), chain_(chain) {}

    // Builds the chain of the root's value; true when it holds more than the root.
    bool Build(int x, int y, int value, int excluded) {
        section_.chainNodeCount = -1;
        Add(x, y, value, excluded, -1);
        return section_.chainNodeCount > 0;
    }

private:
    // A full chain stops growing: it then proves less, never something false.
    void Add(int x, int y, int value, int excluded, int parent) {
        if (section_.chainNodeCount + 1 >= SolveStep::kChainCapacity) return;
        const int index = ++section_.chainNodeCount;
        chain_[index] = {x, y, value, excluded, parent};
        Propagate(x, y, value, index);
    }

    void Propagate(int x, int y, int value, int index) {
        const std::uint32_t bit = bitOf(value);
        int column = -1, row = -1;
        if (FindBivalueInRow(board_, y, x, bit, 1, column)) Follow(column, y, value, index);
        if (FindBivalueInColumn(board_, x, y, bit, 1, row)) Follow(x, row, value, index);
        if (FindBivalueInBox(board_, board_.BoxIndex(x, y), x, y, bit, 1, column, row))
            Follow(column, row, value, index);
    }

    // The two-candidate cell (x, y) cannot hold `value`, so it holds its other candidate.
    void Follow(int x, int y, int value, int parent) {
        for (int i = 0; i <= section_.chainNodeCount; ++i)
            if (chain_[i].column == x && chain_[i].row == y) return;
        const int other = valueOfBit(board_.Cell(x, y).candidates & ~bitOf(value));
        Add(x, y, other, value, parent);
    }

    const SudokuBoard& board_;
    ChainsSection& section_;
    Chain& chain_;
};

void ResetSection(ChainsSection& section) {
    section.resultCount = 0;
    section.chainA.fill({});
    section.chainB.fill({});
}

bool IsResult(const ChainsSection& section, int x, int y) {
    for (int i = 0; i < section.resultCount; ++i)
        if (section.results[i].column == x && section.results[i].row == y) return true;
    return false;
}

// Every cell on which both chains agree keeps only the agreed value.
void CompareChains(SudokuBoard& board, ChainsSection& section, int lastA, int lastB) {
    for (int a = 0; a <= lastA; ++a) {
        const SolveStep::ChainNode& nodeA = section.chainA[a];
        for (int b = 0; b <= lastB; ++b) {
            const SolveStep::ChainNode& nodeB = section.chainB[b];
            if (nodeA.column != nodeB.column || nodeA.row != nodeB.row ||
                nodeA.value != nodeB.value || nodeA.excludedValue != nodeB.excludedValue ||
                IsResult(section, nodeA.column, nodeA.row))
                continue;
            BoardCell& cell = board.Cell(nodeA.column, nodeA.row);
            cell.candidates = bitOf(nodeA.value);
            cell.candidateNbr = 1;
            section.results[section.resultCount++] = {
                nodeA.column, nodeA.row,   nodeA.parent,
                nodeB.parent, nodeA.value, static_cast<std::int32_t>(bitOf(nodeA.excludedValue))};
        }
    }
}
}  // namespace

int FindForcedChains(SudokuBoard& board, SolveStep& step) {
    ChainsSection& section = step.forcedChains;
    const int n = board.size;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const BoardCell& start = board.Cell(x, y);
            if (!start.IsEmpty() || start.candidateNbr != 2) continue;
            int values[2];
            SudokuBoard::MaskToList(start.candidates, values, n);
            ResetSection(section);
            ChainBuilder branchA(board, section, section.chainA);
            if (!branchA.Build(x, y, values[0], values[1])) continue;
            const int lastA = section.chainNodeCount;
            ChainBuilder branchB(board, section, section.chainB);
            if (!branchB.Build(x, y, values[1], values[0])) continue;
            CompareChains(board, section, lastA, section.chainNodeCount);
            if (section.resultCount == 0) continue;
            section.startColumn = x;
            section.startRow = y;
            step.technique = ForcedChains;
            return 1;
        }
    return 0;
}
