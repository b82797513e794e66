#include "shell/RaruduzDoc.h"

#include "shell/BoardSnapshot.h"

void CRaruduzDoc::TakeSnapshot() {
    history_.Take(TakeBoardSnapshot(board_));
}

void CRaruduzDoc::RecreateBoard(int size, bool keepHistory) {
    board_.Initialise(size, 0, "Default", "", nullptr, 0, 0);
    view.entryMode = SetMode;
    view.selectedX = view.selectedY = 0;
    view.hintShown = false;
    if (!keepHistory) history_.Clear();
}

void CRaruduzDoc::ResetHistory() {
    history_.Reset(TakeBoardSnapshot(board_));
    view.hintShown = false;
    view.entryMode = SolveMode;
    view.selectedX = view.selectedY = 0;
    board_.bruteForceRunning = 0;
    ResetStatistics(board_.statistics);
}

void CRaruduzDoc::TakeBoard(const BoardData& record) {
    board_.Initialise(record.size, record.level, record.name, record.description, &record, 0, 0);
    board_.PrepareShowMistakes();
    board_.RecomputeCandidates();
    ResetHistory();
}

bool CRaruduzDoc::Show(const std::string* snapshot) {
    if (!snapshot) return false;
    RestoreBoardSnapshot(board_, *snapshot);
    view.hintShown = false;
    if (view.selectedX >= board_.size || view.selectedY >= board_.size)
        view.selectedX = view.selectedY = 0;
    return true;
}

bool CRaruduzDoc::Undo() {
    return Show(history_.Undo());
}
bool CRaruduzDoc::Redo() {
    return Show(history_.Redo());
}
