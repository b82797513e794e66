#include "ReferenceBruteForce.h"

#include <cstdio>

namespace {
class LiteralSearch {
public:
    LiteralSearch(SudokuBoard& board, long nodeBudget, const RunControl* control)
        : board_(board), nodeBudget_(nodeBudget), control_(control) {}

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
        if (control_ && control_->stopRequested) return SolvingAborted;
        if (++nodeNbr > nodeBudget_) {
            finished = false;
            return SolvingAborted;
        }
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

    bool finished = true;
    long nodeNbr = 0;

private:
    SudokuBoard& board_;
    long nodeBudget_;
    const RunControl* control_;
};
}  // namespace

ReferenceRun SolveBruteForceReference(SudokuBoard& board, BruteForceMode mode, long nodeBudget,
                                      const RunControl* control) {
    board.solutionKnown = 0;
    board.RecomputeCandidates();
    board.solutionLimit = mode == StopAtFirstSolution    ? 1
                          : mode == StopAtSecondSolution ? 2
                                                         : kStoredSolutionCapacity;
    board.bruteForceRunning = 1;
    board.solutionNbr = 0;
    LiteralSearch search(board, nodeBudget, control);
    int r = search.FillSingles();
    if (r == 3) r = search.SearchSolutions(-1, -1);
    if (r == 0 && board.solutionNbr == 1) board.CopyGrid(board.cells, board.firstSolution);
    if (board.solutionNbr >= 1) {
        board.CopyGrid(board.firstSolution, board.cells);
        board.CopyGrid(board.firstSolution, board.solution);
        r = SolutionFound;
        board.solutionKnown = 1;
    }
    board.bruteForceRunning = 0;
    board.Recount();
    return {static_cast<SolveStatus>(r), search.finished, search.nodeNbr};
}
