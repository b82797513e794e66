#include "shell/BoardInput.h"

#include <cstdio>

#include "engine/WordokuLetters.h"
#include "platform/Platform.h"
#include "shell/SidePanels.h"

namespace {
constexpr char kWordokuEntryMessage[] =
    "Boards can not be entered as Wordoku ....\nPlease switch to Sudoku Mode and Type in the "
    "Board ...\nThen switch batck to Wordoku ...";
constexpr char kInvalidKeyMessage[] = "Invalid Entry !!! Valid Keys: 1 to 9 and A to Z .. ";
constexpr char kClueDeleteMessage[] = "A Clue can not be deleted in Solve Mode !!!!";
}  // namespace

bool BoardInput::DismissHint(CommandResult& result) {
    if (!doc_.view.hintShown) return false;
    doc_.view.hintShown = false;
    result = StatusAndRedraw(" ...");
    return true;
}

bool BoardInput::Select(int x, int y) {
    const int n = doc_.board().size;
    if (x < 0 || x >= n || y < 0 || y >= n) {
        platform_.Beep();
        return false;
    }
    doc_.view.selectedX = x;
    doc_.view.selectedY = y;
    return true;
}

void BoardInput::MoveSelection(SelectionKey key) {
    const int n = doc_.board().size;
    int& x = doc_.view.selectedX;
    int& y = doc_.view.selectedY;
    switch (key) {
        case SelectionKey::Tab:
            if (++x == n) {
                x = 0;
                y = (y + 1) % n;
            }
            break;
        case SelectionKey::Left:
            x = (x + n - 1) % n;
            break;
        case SelectionKey::Up:
            y = (y + n - 1) % n;
            break;
        case SelectionKey::Right:
            x = (x + 1) % n;
            break;
        case SelectionKey::Down:
            y = (y + 1) % n;
            break;
    }
}

bool BoardInput::RefuseWordokuEntry(CommandResult& result) {
    if (doc_.settings.viewMode != 1 || doc_.board().clueNbr != 0) return false;
    platform_.ShowMessage(kWordokuEntryMessage);
    result = CommandResult();
    result.status = "Board Data Entry Not Availeble ...";
    return true;
}

CommandResult BoardInput::TypeCharacter(char c) {
    if (Solving() || c == '\t' || c == '.') return Refused();
    const bool wordoku = doc_.settings.viewMode == 1;
    CommandResult refusal;
    if (RefuseWordokuEntry(refusal)) return refusal;
    int code = 0;
    if (c >= '0' && c <= '9')
        code = c - '0';
    else if (c >= 'A' && c <= 'Z')
        code = wordoku ? c - 'A' + 1 : c - 'A' + 10;
    else if (c >= 'a' && c <= 'z')
        code = wordoku ? c - 'a' + 1 : c - 'a' + 10;
    else {
        platform_.ShowMessage(kInvalidKeyMessage);
        CommandResult result;
        result.status = "Invalid Entry ...";
        return result;
    }
    return EnterCode(code);
}

CommandResult BoardInput::EnterValue(int value) {
    CommandResult refusal;
    if (RefuseWordokuEntry(refusal)) return refusal;
    const std::string_view letters = DisplayLetters(doc_);
    if (value >= 1 && value <= static_cast<int>(letters.size()))
        return EnterCode(letters[value - 1] - 'A' + 1);
    return EnterCode(value);
}

bool BoardInput::MayOpenCandidatePopup() {
    if (Solving()) return false;
    const BoardCell& cell = doc_.board().Cell(doc_.view.selectedX, doc_.view.selectedY);
    if (cell.IsEmpty() && cell.type != Clue) return true;
    platform_.Beep();
    return false;
}

CommandResult BoardInput::EnterCode(int code) {
    if (Solving()) return Refused();
    SudokuBoard& board = doc_.board();
    // The engine resolves letters in solve mode only; a clue typed as a letter is resolved here.
    const bool letterClue = doc_.settings.viewMode == 1 && doc_.view.entryMode == SetMode;
    const int value = letterClue ? WordokuLetterValue(board, code) : code;
    const bool accepted =
        board.SetValue(doc_.view.entryMode, doc_.view.selectedX, doc_.view.selectedY, value) == 1;
    CommandResult result = Redrawn();
    char text[64];
    if (!accepted) {
        std::snprintf(text, sizeof text, "Error Invalid Key Entered ...");
    } else if (doc_.settings.viewMode == 0 && code < 10) {
        std::snprintf(text, sizeof text, "Given %d Added on Current Location ...", code);
    } else {
        // Sudoku display names 10..16 "A".."G"; Wordoku display names the letter typed.
        const char letter =
            static_cast<char>(doc_.settings.viewMode == 0 ? 'A' + code - 10 : 'A' + code - 1);
        std::snprintf(text, sizeof text, "Given %c Added on Current Location ...", letter);
    }
    if (accepted) {
        doc_.TakeSnapshot();
        result.snapshotTaken = true;
    }
    result.status = text;
    ResetStatistics(board.statistics);
    return result;
}

CommandResult BoardInput::DeleteSelected() {
    if (Solving()) return Refused();
    SudokuBoard& board = doc_.board();
    BoardCell& cell = board.Cell(doc_.view.selectedX, doc_.view.selectedY);
    if (doc_.view.entryMode == SolveMode && cell.type == Clue) {
        platform_.ShowMessage(kClueDeleteMessage);
        return CommandResult();
    }
    cell.value = -1;
    cell.type = Empty;
    board.RecomputeCandidates();
    board.Recount();
    ResetStatistics(board.statistics);
    doc_.TakeSnapshot();
    CommandResult result = Redrawn();
    result.snapshotTaken = true;
    return result;
}

CommandResult BoardInput::ToggleCandidate(int value) {
    SudokuBoard& board = doc_.board();
    BoardCell& cell = board.Cell(doc_.view.selectedX, doc_.view.selectedY);
    if (Solving() || value < 1 || value > board.size || !cell.IsEmpty()) return Refused();
    const std::uint32_t bit = bitOf(value);
    cell.candidates ^= bit;
    cell.candidateNbr += (cell.candidates & bit) ? 1 : -1;
    doc_.TakeSnapshot();
    CommandResult result = Redrawn();
    result.snapshotTaken = true;
    return result;
}
