// The exhaustive solver: counts the solutions up to the caller's limit, keeps the first 50 in the
// lexicographic order of the grid read row by row, and leaves the first on the board.
//
// The board's own naked-single passes run first, so a failed run leaves exactly their singles on
// the board. The rest is searched on bit sets (BitBoardSearch): on 9 x 9 boards first with the
// fewest-candidates rule, which settles quickly whether there are none, one or more solutions (a
// unique solution is also the lexicographically first); only when there are more is the search
// repeated in reading order, which yields them in lexicographic order. A stop during that first
// count reports no solution, as a stop before the first solution does.
//
// Trace (when the platform's trace is on): one line per search node, "first check result %d ..."
// with 0 for a node that completes the grid, 1 for a dead end and 3 for a node still open.

#include <algorithm>
#include <cstdio>

#include "engine/BitBoardSearch.h"
#include "engine/SudokuBoard.h"

namespace {
// Naked-single passes in reading order until none is left. 0: the board is full (the solution is
// counted and stored); 1: an open cell has no candidate; 3: open cells remain.
int FillSingles(SudokuBoard& board) {
    const int n = board.size;
    for (;;) {
        int open = 0, filled = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                BoardCell& cell = board.Cell(x, y);
                if (cell.value != -1) continue;
                if (cell.candidateNbr == 0) return 1;
                if (cell.candidateNbr == 1) {
                    cell.value = valueOfBit(cell.candidates);
                    cell.type = Given;
                    board.PlaceAndPropagate(x, y);
                    ++filled;
                } else {
                    ++open;
                }
            }
        if (open == 0) {
            board.CopyGrid(board.cells, board.solutions[board.solutionNbr]);
            ++board.solutionNbr;
            return 0;
        }
        if (filled == 0) return 3;
    }
}

// The full grid of a solution as the board's own propagation would leave it: each cell that was
// open holds its value as a Given with that value as its only candidate; each filled cell keeps
// value and type and loses the values placed in its peers.
void WriteSolution(const SudokuBoard& board, const std::uint16_t* solved, CellGrid& grid) {
    const int n = board.size;
    std::uint32_t rows[kMaxSize] = {}, columns[kMaxSize] = {}, boxes[kMaxSize] = {};
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (board.Cell(x, y).value == -1) {
                const std::uint32_t bit = solved[y * n + x];
                rows[y] |= bit;
                columns[x] |= bit;
                boxes[board.BoxIndex(x, y)] |= bit;
            }
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const BoardCell& before = board.Cell(x, y);
            BoardCell& after = grid[CellIndex(x, y)];
            if (before.value == -1) {
                const std::uint32_t bit = solved[y * n + x];
                after = {valueOfBit(bit), Given, bit, 1};
            } else {
                const std::uint32_t kept =
                    before.candidates & ~(rows[y] | columns[x] | boxes[board.BoxIndex(x, y)]);
                after = {before.value, before.type, kept, BitCount(kept)};
            }
        }
}

// Lets the user interface run, traces, and keeps the solutions: on the board once their order is
// the lexicographic one, else only the first, aside, until it is known to be the only one.
class BoardSearchListener final : public SearchListener {
public:
    BoardSearchListener(SudokuBoard& board, const RunControl* control)
        : board_(board), control_(control) {}

    bool KeepRunning() override {
        board_.platform().PumpMessages();
        return !control_ || !control_->stopRequested.load(std::memory_order_relaxed);
    }

    void OnSolution(const std::uint16_t* cells) override {
        if (!storeOnBoard) {
            if (!haveAside_) std::copy(cells, cells + board_.size * board_.size, aside_.begin());
            haveAside_ = true;
            return;
        }
        if (board_.solutionNbr < kStoredSolutionCapacity)
            WriteSolution(board_, cells, board_.solutions[board_.solutionNbr]);
        if (++board_.solutionNbr == 1) board_.CopyGrid(board_.solutions[0], board_.firstSolution);
    }

    void TraceNode(int result) override {
        char line[80];
        std::snprintf(line, sizeof line, "first check result %d    ZERO_SOL %d  SUCESS %d \n",
                      result, 1, 0);
        board_.platform().Trace(line);
    }

    // Stores the solution kept aside as the board's first and only one.
    void StoreAside() {
        storeOnBoard = true;
        OnSolution(aside_.data());
    }

    bool storeOnBoard = false;

private:
    SudokuBoard& board_;
    const RunControl* control_;
    std::array<std::uint16_t, kGridCells> aside_{};
    bool haveAside_ = false;
};

// What the search starts from for a cell: an open cell's candidates, a filled cell's value (none
// for a value out of range, which constrains no peer).
std::uint32_t SearchMask(const BoardCell& cell, int n) {
    if (cell.value == -1) return cell.candidates;
    return cell.value >= 1 && cell.value <= n ? bitOf(cell.value) : 0;
}

// Searches the open cells of the board; the board's cells are left as they are.
template <int N>
int SearchBoard(SudokuBoard& board, const RunControl* control) {
    std::uint16_t candidates[N * N];
    bool filled[N * N];
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            const BoardCell& cell = board.Cell(x, y);
            filled[y * N + x] = cell.value != -1;
            candidates[y * N + x] = static_cast<std::uint16_t>(SearchMask(cell, N));
        }
    BoardSearchListener listener(board, control);
    BitBoardSearch<N> search(listener, board.platform().TraceEnabled());
    search.Load(candidates, filled);

    // On 16 x 16 boards the count in no particular order can lose itself in a large region without
    // solutions, which the search in reading order, with its stronger propagation there, does
    // not; it goes straight to the solutions in order.
    if constexpr (N == 9) {
        const int count = search.Run(BranchOrder::FewestCandidates, 2);
        if (search.stopped()) return SolvingAborted;
        if (count == 0) return NoSolutionFound;
        if (count == 1) {
            listener.StoreAside();
            return SolutionFound;
        }
    }
    listener.storeOnBoard = true;
    search.Run(BranchOrder::ReadingOrder, board.solutionLimit);
    if (board.solutionNbr >= board.solutionLimit) return SolutionFound;
    return search.stopped() ? SolvingAborted : NoSolutionFound;
}
}  // namespace

SolveStatus SudokuBoard::SolveBruteForce(BruteForceMode mode, RunControl* control) {
    solutionKnown = 0;
    uniqueSolutionKnown = 0;
    RecomputeCandidates();
    solutionLimit = mode == StopAtFirstSolution    ? 1
                    : mode == StopAtSecondSolution ? 2
                                                   : kStoredSolutionCapacity;
    bruteForceRunning = 1;
    solutionNbr = 0;
    int r = FillSingles(*this);
    if (r == 0) CopyGrid(cells, firstSolution);
    if (r == 3) r = size == 16 ? SearchBoard<16>(*this, control) : SearchBoard<9>(*this, control);
    // Only a count that ran to its end proves uniqueness: a stop after the first solution leaves
    // solutionNbr at 1 on a board that may have many.
    if (r == SolutionFound && solutionNbr == 1 && solutionLimit >= 2) {
        CopyGrid(firstSolution, uniqueSolution);
        uniqueSolutionKnown = 1;
    }
    if (solutionNbr >= 1) {
        CopyGrid(firstSolution, cells);
        CopyGrid(firstSolution, solution);
        r = SolutionFound;
        solutionKnown = 1;
    }
    bruteForceRunning = 0;
    Recount();
    return static_cast<SolveStatus>(r);
}
