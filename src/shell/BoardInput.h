#pragma once
// The board view's keyboard and mouse input on the document: selection moves, typed symbols,
// entry buttons, Delete and the candidate popup's toggles. Every accepted change takes one undo
// snapshot. While an exhaustive solve runs, only selection moves are accepted.

#include "shell/CommandResult.h"
#include "shell/RaruduzDoc.h"

class Platform;

enum class SelectionKey { Tab, Left, Up, Right, Down };

class BoardInput {
public:
    BoardInput(CRaruduzDoc& document, Platform& platform) : doc_(document), platform_(platform) {}

    // The first click after a hint only clears it; true when it did.
    bool DismissHint(CommandResult& result);
    // Selects a cell; false (with a beep) when it lies outside the board.
    bool Select(int x, int y);
    void MoveSelection(SelectionKey key);
    // A typed character: a digit or a letter standing for a value.
    CommandResult TypeCharacter(char c);
    // Entry button k, or button k of the candidate popup: value k (in Wordoku display, the code
    // of the letter that stands for it). In Wordoku display a board without clues takes no entry
    // of any kind: it is typed in digits.
    CommandResult EnterValue(int value);
    CommandResult DeleteSelected();
    // The candidate popup opens on an empty cell that is not a clue; anywhere else it beeps.
    bool MayOpenCandidatePopup();
    // Clears candidate k of the selected cell when it is set, sets it otherwise.
    CommandResult ToggleCandidate(int value);

private:
    // In Wordoku display, a code is a letter's place in the alphabet.
    CommandResult EnterCode(int code);
    // Shows why a board without clues takes no entry in Wordoku display; true when it did.
    bool RefuseWordokuEntry(CommandResult& result);
    bool Solving() const { return doc_.board().bruteForceRunning != 0; }

    CRaruduzDoc& doc_;
    Platform& platform_;
};
