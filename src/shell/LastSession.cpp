#include "shell/LastSession.h"

#include "engine/WordokuLetters.h"

SessionBoard CaptureSession(const CRaruduzDoc& document) {
    const SudokuBoard& board = document.board();
    SessionBoard session;
    session.board = board.data();
    session.entryMode = document.view.entryMode == SetMode ? SetMode : SolveMode;
    session.viewMode = document.settings.viewMode == 1 ? 1 : 0;
    session.solutionKnown = board.solutionKnown;
    session.mistakeCheckEnabled = board.mistakeCheckEnabled;
    session.uniqueSolutionKnown = board.uniqueSolutionKnown;
    session.uniqueSolution = board.uniqueSolution;
    return session;
}

void RestoreSession(CRaruduzDoc& document, const SessionBoard& session) {
    SudokuBoard& board = document.board();
    const BoardData& kept = session.board;
    board.Initialise(kept.size, kept.level, kept.name, kept.description, &kept, 0, kept.isWordoku);
    board.wordokuAssignType = kept.wordokuAssignType;
    board.solution = kept.solution;
    board.solutionKnown = session.solutionKnown;
    board.mistakeCheckEnabled = session.mistakeCheckEnabled;
    board.uniqueSolutionKnown = session.uniqueSolutionKnown;
    board.uniqueSolution = session.uniqueSolution;
    board.RecomputeCandidates();
    if (!board.wordokuStringCopy.empty()) {
        WordokuRandom random(WordokuSeed(board.platform()));
        SetLetterString(board, board.wordokuStringCopy, random);
    }
    document.ResetHistory();
    document.view.entryMode = session.entryMode;
    document.settings.viewMode = session.viewMode;
}
