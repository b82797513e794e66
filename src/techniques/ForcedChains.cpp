// Forced chains: try both values of a two-candidate cell in turn and follow what each forces
// through two-candidate cells (a value in a cell leaves the only two-candidate cell of a unit that
// shares it with its other value). A cell that both branches force to the same value must take it.

#include <algorithm>
#include <bit>

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

// What every start's branches could force, to pass over the starts whose chains cannot agree
// without building them. A two-candidate cell is numbered in start order; its literal 2k (2k + 1)
// says that cell k holds its lower (higher) candidate and forces the literals the builder would
// follow from it. A branch's chain holds only literals its root reaches, so two branches whose
// reaches share no literal outside the start cell agree nowhere.
class ChainSketch {
public:
    // Only boards with at most 64 two-candidate cells are sketched; false otherwise.
    bool Build(const SudokuBoard& board) {
        const UnitMasks& masks = board.Masks();
        count_ = 0;
        for (int y = 0; y < board.size; ++y)
            for (std::uint32_t starts = masks.Bivalue(RowUnit, y); starts != 0;
                 starts &= starts - 1) {
                if (count_ == kMaxCells) return false;
                const int index = CellIndex(std::countr_zero(starts), y);
                cells_[count_] = static_cast<std::uint8_t>(index);
                ordinal_[index] = static_cast<std::uint8_t>(count_++);
            }
        for (int k = 0; k < count_; ++k) {
            const int index = cells_[k];
            const std::uint32_t candidates = board.cells[index].candidates;
            for (int high = 0; high < 2; ++high) {
                const int value = valueOfBit(high ? candidates & (candidates - 1)
                                                  : candidates & (0u - candidates));
                Forced& forced = forced_[2 * k + high];
                forced.count = 0;
                masks.ForEachLink<true>(
                    ColumnOfIndex(index), RowOfIndex(index), value, [&](int column, int row) {
                        // It holds its other candidate, the higher one when none is below.
                        const bool otherHigh = (board.Cell(column, row).candidates &
                                                (bitOf(value) - 1)) == 0;
                        forced.literals[forced.count++] = static_cast<std::uint8_t>(
                            2 * ordinal_[CellIndex(column, row)] + otherHigh);
                    });
            }
        }
        CloseReaches();
        return true;
    }

    // Whether the two branches of start k may agree on some cell.
    bool BranchesMayAgree(int k) const {
        const Reach& lower = reach_[2 * k];
        const Reach& higher = reach_[2 * k + 1];
        const std::uint64_t start = std::uint64_t{1} << k;
        return (((lower.low & higher.low) | (lower.high & higher.high)) & ~start) != 0;
    }

private:
    static constexpr int kMaxCells = 64;
    struct Forced {
        std::uint8_t count;
        std::array<std::uint8_t, 3> literals;
    };
    // The literals a literal reaches: the cells reached holding their lower, their higher value.
    struct Reach {
        std::uint64_t low;
        std::uint64_t high;
    };

    // Every literal's reach, one strongly connected group at a time (Tarjan): a group completes
    // after every group it leads to, and all its literals reach the same.
    void CloseReaches() {
        order_ = 0;
        depth_ = 0;
        for (int literal = 0; literal < 2 * count_; ++literal) visit_[literal] = kUnvisited;
        for (int literal = 0; literal < 2 * count_; ++literal)
            if (visit_[literal] == kUnvisited) Connect(literal);
    }

    void Connect(int literal) {
        const int own = order_++;
        visit_[literal] = lowest_[literal] = static_cast<std::uint8_t>(own);
        stack_[depth_++] = static_cast<std::uint8_t>(literal);
        Reach& reach = reach_[literal];
        reach = {};
        (literal & 1 ? reach.high : reach.low) = std::uint64_t{1} << (literal >> 1);
        const Forced& forced = forced_[literal];
        for (int i = 0; i < forced.count; ++i) {
            const int next = forced.literals[i];
            if (visit_[next] == kUnvisited) Connect(next);
            // A literal of a completed group reaches all it ever will, one of this group at least
            // itself; the group's root joins them all. Done groups rank above every order.
            lowest_[literal] = std::min(lowest_[literal], lowest_[next]);
            reach.low |= reach_[next].low;
            reach.high |= reach_[next].high;
        }
        if (lowest_[literal] != own) return;
        int first = depth_;
        do --first;
        while (stack_[first] != literal);
        Reach group = {};
        for (int i = first; i < depth_; ++i) {
            group.low |= reach_[stack_[i]].low;
            group.high |= reach_[stack_[i]].high;
        }
        for (int i = first; i < depth_; ++i) {
            reach_[stack_[i]] = group;
            lowest_[stack_[i]] = kDone;
        }
        depth_ = first;
    }

    static constexpr std::uint8_t kUnvisited = 0xff;
    static constexpr std::uint8_t kDone = 0xfe;
    int count_ = 0;
    int order_ = 0;
    int depth_ = 0;
    std::array<std::uint8_t, kMaxCells> cells_;
    std::array<std::uint8_t, kGridCells> ordinal_;
    std::array<Forced, 2 * kMaxCells> forced_;
    std::array<std::uint8_t, 2 * kMaxCells> visit_;
    std::array<std::uint8_t, 2 * kMaxCells> lowest_;
    std::array<std::uint8_t, 2 * kMaxCells> stack_;
    std::array<Reach, 2 * kMaxCells> reach_;
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
    // Most starts agree nowhere, and most searches find nothing: the sketch passes over such
    // starts, and the builders make the chains of the first one that agrees.
    ChainSketch sketch;
    const bool sketched = sketch.Build(board);
    int ordinal = 0;
    for (int y = 0; y < n; ++y)
        for (std::uint32_t starts = board.Masks().Bivalue(RowUnit, y); starts != 0;
             starts &= starts - 1) {
            const int x = std::countr_zero(starts);
            if (sketched && !sketch.BranchesMayAgree(ordinal++)) continue;
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
