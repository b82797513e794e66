#pragma once
// A fast exhaustive search over the candidate sets of an N x N board (N = 9 or 16): naked and
// hidden singles (and on 16 x 16 boards box/line reduction and pruning by matchings) propagated
// on bit sets, the search state copied on every branch instead of undone.
//
// It knows nothing of SudokuBoard: it takes the candidate sets in reading order and reports to a
// SearchListener, which lets the user interface run, traces and keeps the solutions.

#include <array>
#include <cstdint>

class SearchListener {
public:
    virtual ~SearchListener() = default;
    // Called at the first node and then every kPumpInterval nodes; false stops the search.
    virtual bool KeepRunning() = 0;
    // cells: every cell's single-bit candidate set, in reading order.
    virtual void OnSolution(const std::uint16_t* cells) = 0;
    // Called once per node, only when tracing: 0 solved, 1 dead end, 3 still open.
    virtual void TraceNode(int result) = 0;
};

enum class BranchOrder {
    // The first open cell in reading order, values ascending: solutions come in the
    // lexicographic order of the grid read row by row.
    ReadingOrder,
    // The open cell with the fewest candidates: the quickest way to count.
    FewestCandidates,
};

template <int N>
class BitBoardSearch {
public:
    static constexpr int kCells = N * N;
    static constexpr int kUnits = 3 * N;
    // Cheap enough to keep the user interface alive without slowing the search.
    static constexpr unsigned kPumpInterval = 16;
    using Mask = std::uint16_t;

    // trace: report every node to the listener's TraceNode.
    BitBoardSearch(SearchListener& listener, bool trace) : listener_(listener), trace_(trace) {}

    // The starting point, cells in reading order: a filled cell has its value's bit (or 0 for a
    // value out of range) and is never changed; an open cell has its candidates, from which the
    // values of its filled peers are already gone.
    void Load(const Mask* candidates, const bool* filled);

    // Searches from the starting point until limit solutions were reported, the search space is
    // exhausted or the listener stopped it. Returns the number of solutions reported.
    int Run(BranchOrder order, int limit);
    bool stopped() const { return stopped_; }

private:
    struct State {
        std::array<Mask, kCells> candidates;
        // Per unit, the values already placed in it.
        std::array<Mask, kUnits> placed;
        // One bit per cell still open, in reading order.
        std::array<std::uint64_t, (kCells + 63) / 64> open;
    };
    enum NodeResult { Solved = 0, DeadEnd = 1, Open = 3 };
    static bool IsOpen(const State& state, int cell) {
        return (state.open[cell >> 6] >> (cell & 63)) & 1u;
    }
    bool Tick();
    NodeResult Start(State& state);
    NodeResult Settle(State& state);
    NodeResult Child(const State& state, int cell, Mask bit, State& child);
    bool Assign(State& state, int cell, Mask bit);
    bool Eliminate(State& state, int cell, Mask bits);
    bool DrainSingles(State& state);
    bool PlaceHiddenSingles(State& state);
    bool ReduceIntersections(State& state, bool& changed);
    bool PruneByMatchings(State& state, bool& changed);
    bool Augment(const State& state, const std::array<std::int16_t, N>& cells, int position,
                 std::array<std::int8_t, N>& cellOf, Mask& seen) const;
    int ChooseCell(const State& state) const;
    static int FirstOpenCell(const State& state);
    void Explore(const State& state, int cell);

    SearchListener& listener_;
    const bool trace_;
    static constexpr std::uint64_t kAllUnits = ~std::uint64_t{0} >> (64 - kUnits);
    // Hidden singles only hold in a unit that must end up with every value once: one whose
    // filled cells hold distinct values in range. Open cells only have to differ from their
    // peers, so a unit that repeats a value may lack another.
    std::uint64_t completeUnits_ = kAllUnits;
    State start_{};
    BranchOrder order_ = BranchOrder::FewestCandidates;
    int limit_ = 1;
    int count_ = 0;
    bool stopped_ = false;
    unsigned nodeNbr_ = 0;
    // Cells that became naked singles and wait to be placed; each cell enters at most once
    // between two drains.
    std::array<std::int16_t, kCells> pending_{};
    int pendingNbr_ = 0;
    // Units whose candidates changed since hidden singles were last looked for in them.
    std::uint64_t changedUnits_ = 0;
    // Units whose candidates changed since they were last matched (PruneByMatchings).
    std::uint64_t unmatchedUnits_ = 0;
};

extern template class BitBoardSearch<9>;
extern template class BitBoardSearch<16>;
