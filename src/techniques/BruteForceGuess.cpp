// The last resort: take one value from the solution the exhaustive solver already found, in the
// cell where it settles the most around it. Fewest candidates first, then the most two-candidate
// peers it would leave with a single candidate, then the most peers it clears.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using GuessSection = SolveStep::BruteForceGuessSection;

// Scores placing s in (x, y): the peers that would lose s, in the peer table's order.
void ScoreGuess(const SudokuBoard& board, int x, int y, int s, GuessSection& guess) {
    guess.column = x;
    guess.row = y;
    guess.value = s;
    guess.bivalueScore = 0;
    guess.peerCount = 0;
    guess.peerListCount = 0;
    for (const int index : PeersOf(board.size, CellIndex(x, y))) {
        const BoardCell& peer = board.cells[index];
        if (!peer.IsEmpty() || !(peer.candidates & bitOf(s))) continue;
        guess.peers[guess.peerListCount++] = {ColumnOfIndex(index), RowOfIndex(index),
                                              static_cast<std::int32_t>(bitOf(s))};
        ++guess.peerCount;
        if (peer.candidateNbr == 2) ++guess.bivalueScore;
    }
    ++guess.bivalueScore;
}

bool IsBetter(const GuessSection& candidate, const GuessSection& best) {
    if (candidate.bivalueScore != best.bivalueScore)
        return candidate.bivalueScore > best.bivalueScore;
    return candidate.peerCount > best.peerCount;
}
}  // namespace

int FindBruteForceGuess(SudokuBoard& board, SolveStep& step) {
    if (!board.allowBruteForceTech || !board.solutionKnown) return 0;
    const int n = board.size;
    GuessSection best{};
    GuessSection scored{};
    bool found = false;
    for (int k = 2; k < n && !found; ++k)
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y) {
                const BoardCell& cell = board.Cell(x, y);
                const int s = board.solution[CellIndex(x, y)].value;
                if (!cell.IsEmpty() || cell.candidateNbr != k || s < 1 || s > n) continue;
                ScoreGuess(board, x, y, s, scored);
                if (!found || IsBetter(scored, best)) best = scored;
                found = true;
            }
    if (!found) return 0;

    for (int i = 0; i < best.peerListCount; ++i)
        board.RemoveCandidates(CellIndex(best.peers[i].column, best.peers[i].row),
                               bitOf(best.value));
    board.Fill(best.column, best.row, best.value);
    step.bruteForceGuess = best;
    step.technique = BruteForceGuess;
    return 1;
}

void ShowBruteForceGuess(const SolveStep& step, StepDisplay& display) {
    const GuessSection& guess = step.bruteForceGuess;
    display.Begin(step.technique, BruteForceGuessPage);
    display.AddValue(guess.value);
    display.AddPatternCell({guess.column, guess.row});
    display.placedValue = guess.value;
    display.placedCell = {guess.column, guess.row};
    display.AddChanges(guess.peers, guess.peerListCount);
}
