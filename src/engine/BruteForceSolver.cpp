// The exhaustive solver: naked-single propagation and depth-first guessing in reading order,
// counting solutions up to the caller's limit and keeping the first 50.

#include <cstdio>

#include "engine/SudokuBoard.h"

namespace {
class BruteForceSearch {
public:
    explicit BruteForceSearch(SudokuBoard& board) : board_(board) {}

    // 0: the board is full (a solution was counted); 1: an empty cell has no candidate;
    // 3: empty cells remain, none of them a naked single.
    int FillSingles() {
        const int n = board_.size;
        for (;;) {
            int open = 0, filled = 0;
            for (int y = 0; y < n; ++y)
                for (int x = 0; x < n; ++x) {
                    BoardCell& cell = board_.Cell(x, y);
                    if (cell.value != -1) continue;
                    if (cell.candidateNbr == 0) return 1;
                    if (cell.candidateNbr == 1) {
                        cell.value = valueOfBit(cell.candidates);
                        cell.type = Given;
                        board_.PlaceAndPropagate(x, y);
                        ++filled;
                    } else {
                        ++open;
                    }
                }
            if (open == 0) {
                if (board_.solutionNbr < kStoredSolutionCapacity)
                    board_.CopyGrid(board_.cells, board_.solutions[board_.solutionNbr]);
                ++board_.solutionNbr;
                return 0;
            }
            if (filled == 0) return 3;
        }
    }

    int SearchSolutions(int x, int y) {
        board_.platform().PumpMessages();
        if (!board_.bruteForceRunning) return SolvingAborted;
        if (x != -1) board_.PlaceAndPropagate(x, y);
        int r = FillSingles();
        if (board_.platform().TraceEnabled()) {
            char line[80];
            std::snprintf(line, sizeof line, "first check result %d    ZERO_SOL %d  SUCESS %d \n",
                          r, 1, 0);
            board_.platform().Trace(line);
        }
        if (r == 1) return 1;
        if (r == 0) {
            if (board_.solutionNbr == 1) board_.CopyGrid(board_.cells, board_.firstSolution);
            if (board_.solutionNbr >= board_.solutionLimit) return 0;
        }
        CellGrid saved;
        board_.CopyGrid(board_.cells, saved);

        const int n = board_.size;
        // The guess cell: the first empty cell from (x, y) on, in reading order.
        int gx = -1, gy = -1;
        for (int k = x == -1 ? 0 : y * n + x; k < n * n; ++k)
            if (board_.Cell(k % n, k / n).value == -1) {
                gx = k % n;
                gy = k / n;
                break;
            }
        if (gx == -1) return 3;

        const std::uint32_t choices = saved[CellIndex(gx, gy)].candidates;
        for (int v = 1; v <= n; ++v) {
            if (!(choices & bitOf(v))) continue;
            board_.Cell(gx, gy).value = v;
            board_.Cell(gx, gy).type = Given;
            r = SearchSolutions(gx, gy);
            if (r == 0) {
                if (board_.solutionNbr == 1) board_.CopyGrid(board_.cells, board_.firstSolution);
                if (board_.solutionNbr >= board_.solutionLimit) return 0;
            }
            board_.CopyGrid(saved, board_.cells);
            if (r == SolvingAborted) return SolvingAborted;
        }
        return 3;
    }

private:
    SudokuBoard& board_;
};
}  // namespace

SolveStatus SudokuBoard::SolveBruteForce(int mode) {
    solutionKnown = 0;
    RecomputeCandidates();
    solutionLimit = mode == 1 ? 1 : mode == 3 ? 2 : kStoredSolutionCapacity;
    bruteForceRunning = 1;
    solutionNbr = 0;
    BruteForceSearch search(*this);
    int r = search.FillSingles();
    if (r == 3) r = search.SearchSolutions(-1, -1);
    if (r == 0 && solutionNbr == 1) CopyGrid(cells, firstSolution);
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
