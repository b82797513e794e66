// Forced chains: try both values of a two-candidate cell in turn and follow what each forces
// through two-candidate cells (a value in a cell leaves the only two-candidate cell of a unit that
// shares it with its other value). A cell that both branches force to the same value must take it.

#include <algorithm>

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using ChainsSection = SolveStep::ForcedChainsSection;
using Chain = std::array<SolveStep::ChainNode, SolveStep::kChainCapacity>;

class ChainBuilder {
public:
    ChainBuilder(const SudokuBoard& board, ChainsSection& section, Chain& chain)
        : board_(board), section_(section), chain_(chain) {
        nodeAt_.fill(-1);
    }

    // Builds the chain of the root's value; true when it holds more than the root. The cells of
    // the builder's previous chain are cleared first, rather than the whole grid.
    bool Build(int x, int y, int value, int excluded) {
        for (int i = 0; i < cellCount_; ++i) nodeAt_[cells_[i]] = -1;
        cellCount_ = 0;
        section_.chainNodeCount = -1;
        Add(x, y, value, excluded, -1);
        return section_.chainNodeCount > 0;
    }

    // The node of the chain on cell (x, y), or -1: a cell enters a chain at most once.
    int NodeAt(int x, int y) const { return nodeAt_[CellIndex(x, y)]; }

private:
    // A full chain stops growing: it then proves less, never something false.
    void Add(int x, int y, int value, int excluded, int parent) {
        if (section_.chainNodeCount + 1 >= SolveStep::kChainCapacity) return;
        const int index = ++section_.chainNodeCount;
        chain_[index] = {x, y, value, excluded, parent};
        nodeAt_[CellIndex(x, y)] = static_cast<std::int8_t>(index);
        cells_[cellCount_++] = static_cast<std::uint8_t>(CellIndex(x, y));
        Propagate(x, y, value, index);
    }

    // A unit whose only other two-candidate cell holding the value is one cell forces that cell.
    void Propagate(int x, int y, int value, int index) {
        board_.Masks().ForEachLink<true>(
            x, y, value, [&](int column, int row) { Follow(column, row, value, index); });
    }

    // The two-candidate cell (x, y) cannot hold `value`, so it holds its other candidate. A cell
    // already in the chain is not followed again.
    void Follow(int x, int y, int value, int parent) {
        if (NodeAt(x, y) >= 0) return;
        const int other = valueOfBit(board_.Cell(x, y).candidates & ~bitOf(value));
        Add(x, y, other, value, parent);
    }

    const SudokuBoard& board_;
    ChainsSection& section_;
    Chain& chain_;
    std::array<std::int8_t, kGridCells> nodeAt_;
    std::array<std::uint8_t, SolveStep::kChainCapacity> cells_;
    int cellCount_ = 0;
};

// Clears the nodes the previous start cell wrote (all of them for the first one), so that every
// attempt begins from empty chains.
void ResetSection(ChainsSection& section, int& usedA, int& usedB) {
    section.resultCount = 0;
    std::fill_n(section.chainA.begin(), usedA, SolveStep::ChainNode{});
    std::fill_n(section.chainB.begin(), usedB, SolveStep::ChainNode{});
    usedA = usedB = 0;
}

bool IsResult(const ChainsSection& section, int x, int y) {
    for (int i = 0; i < section.resultCount; ++i)
        if (section.results[i].column == x && section.results[i].row == y) return true;
    return false;
}

// Every cell on which both chains agree keeps only the agreed value. Chain A is walked in order;
// a cell occurs at most once in chain B, so its node there is looked up instead of searched.
void CompareChains(SudokuBoard& board, ChainsSection& section, int lastA,
                   const ChainBuilder& branchB) {
    for (int a = 0; a <= lastA; ++a) {
        const SolveStep::ChainNode& nodeA = section.chainA[a];
        const int b = branchB.NodeAt(nodeA.column, nodeA.row);
        if (b < 0) continue;
        const SolveStep::ChainNode& nodeB = section.chainB[b];
        if (nodeA.value != nodeB.value || nodeA.excludedValue != nodeB.excludedValue ||
            IsResult(section, nodeA.column, nodeA.row))
            continue;
        board.RemoveCandidates(CellIndex(nodeA.column, nodeA.row), ~bitOf(nodeA.value));
        section.results[section.resultCount++] = {
            nodeA.column, nodeA.row,   nodeA.parent,
            nodeB.parent, nodeA.value, static_cast<std::int32_t>(bitOf(nodeA.excludedValue))};
    }
}
}  // namespace

int FindForcedChains(SudokuBoard& board, SolveStep& step) {
    ChainsSection& section = step.forcedChains;
    const int n = board.size;
    int usedA = SolveStep::kChainCapacity, usedB = SolveStep::kChainCapacity;
    ChainBuilder branchA(board, section, section.chainA), branchB(board, section, section.chainB);
    for (int y = 0; y < n; ++y)
        for (std::uint32_t starts = board.Masks().Bivalue(RowUnit, y); starts != 0;
             starts &= starts - 1) {
            const int x = std::countr_zero(starts);
            int values[2] = {};
            MaskValues(board.Cell(x, y).candidates, values, 2);
            ResetSection(section, usedA, usedB);
            const bool grewA = branchA.Build(x, y, values[0], values[1]);
            usedA = section.chainNodeCount + 1;
            if (!grewA) continue;
            const int lastA = section.chainNodeCount;
            const bool grewB = branchB.Build(x, y, values[1], values[0]);
            usedB = section.chainNodeCount + 1;
            if (!grewB) continue;
            CompareChains(board, section, lastA, branchB);
            if (section.resultCount == 0) continue;
            section.startColumn = x;
            section.startRow = y;
            step.technique = ForcedChains;
            return 1;
        }
    return 0;
}

const StepDescription kForcedChainsDescription = {"Common Candidate(s) removed in Cell%s", 0,
                                                  CellListing::All};

namespace {
// A branch's nodes run up to the first unused one (the search clears them before each attempt).
void ShowBranch(const Chain& chain, int branch, const ChainsSection& section,
                StepDisplay& display) {
    const int first = display.chainNodeNbr;
    for (int i = 0; i < SolveStep::kChainCapacity && chain[i].column >= 0; ++i) {
        const SolveStep::ChainNode& node = chain[i];
        const bool agreed = i > 0 && IsResult(section, node.column, node.row);
        display.chain[display.chainNodeNbr++] = {node.column,
                                                 node.row,
                                                 node.value,
                                                 node.excludedValue,
                                                 i == 0 ? -1 : first + node.parent,
                                                 branch,
                                                 i == 0   ? ChainRoot
                                                 : agreed ? ChainAgreed
                                                          : ChainForced};
    }
}
}  // namespace

void ShowForcedChains(const SolveStep& step, StepDisplay& display) {
    const ChainsSection& section = step.forcedChains;
    display.Begin(step.technique, ForcedChainsPage);
    display.AddPatternCell({section.startColumn, section.startRow});
    const int results = std::clamp(section.resultCount, 0, kDisplayChangeCapacity);
    for (int i = 0; i < results; ++i) {
        const SolveStep::ChainResult& result = section.results[i];
        display.AddChange(result.column, result.row, result.excludedMask, result.value);
    }
    ShowBranch(section.chainA, 0, section, display);
    ShowBranch(section.chainB, 1, section, display);
}
