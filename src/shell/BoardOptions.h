#pragma once
// What the "Raruduz Options" dialog edits: the view settings' colours, flags, Wordoku and loading
// options, and the main board's permission to guess. The dialog works on a copy; nothing reaches
// the document or the store until the user confirms.

#include <cstdint>
#include <string>

#include "shell/RaruduzDoc.h"

class SettingsStore;

struct BoardOptions {
    // Zoom, view mode and default board size ride along unedited: the menu owns them.
    ViewSettings settings;
    std::int32_t allowBruteForceTech = 1;
};

inline constexpr char kInvalidWordsPathMessage[] =
    "Invalid File Path!!! With Invalid path, Raruduz uses Randown Assignment ...";
// The store keeps texts of at most 499 characters: a longer path would come back cut.
inline constexpr char kWordsPathTooLongMessage[] =
    "Words File Path Too Long (more than 499 characters) !!! The Previous Path is Kept ...";

BoardOptions CurrentBoardOptions(const CRaruduzDoc& document);
// What "&Reset to Default Options" gives: every edited value at its default except alternate
// block colours on and white clues, and guessing allowed. The unedited values stay.
BoardOptions ResetBoardOptions(const BoardOptions& options);
// The confirmed options become the document's, and every view setting is stored (the zoom chosen
// from the menu with them).
void ApplyBoardOptions(CRaruduzDoc& document, SettingsStore& store, const BoardOptions& options);
