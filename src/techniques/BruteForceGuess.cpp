// The last resort: take one value from the solution the exhaustive solver already found, in the
// cell where it settles the most around it. Fewest candidates first, then the most two-candidate
// peers it would leave with a single candidate, then the most peers it clears.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
using GuessSection = SolveStep::BruteForceGuessSection;

void NotePeer(const SudokuBoard& board, int x, int y, int s, GuessSection& guess) {
    const BoardCell& peer = board.Cell(x, y);
    if (!peer.IsEmpty() || !(peer.candidates & bitOf(s))) return;
    guess.peers[guess.peerListCount++] = {x, y, static_cast<std::int32_t>(bitOf(s))};
    ++guess.peerCount;
    if (peer.candidateNbr == 2) ++guess.bivalueScore;
}

// Scores placing s in (x, y): the peers that would lose s, visited column first, then row, then
// the rest of the box row by row.
void ScoreGuess(const SudokuBoard& board, int x, int y, int s, GuessSection& guess) {
    guess.column = x;
    guess.row = y;
    guess.value = s;
    guess.bivalueScore = 0;
    guess.peerCount = 0;
    guess.peerListCount = 0;
    for (int r = 0; r < board.size; ++r)
        if (r != y) NotePeer(board, x, r, s, guess);
    for (int c = 0; c < board.size; ++c)
        if (c != x) NotePeer(board, c, y, s, guess);
    int firstColumn = 0, firstRow = 0;
    board.BoxOrigin(board.BoxIndex(x, y), firstColumn, firstRow);
    for (int r = firstRow; r < firstRow + board.boxSize; ++r)
        for (int c = firstColumn; c < firstColumn + board.boxSize; ++c)
            if (r != y && c != x) NotePeer(board, c, r, s, guess);
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
        RemoveCandidates(board.Cell(best.peers[i].column, best.peers[i].row), bitOf(best.value));
    BoardCell& guessed = board.Cell(best.column, best.row);
    guessed.value = best.value;
    guessed.type = Given;
    step.bruteForceGuess = best;
    step.technique = BruteForceGuess;
    return 1;
}
