#pragma once
// Wordoku display on the document: the switch between digits and letters, the letters a board
// gets when it is taken from a source, what the "Assign Wordoku Letters" dialog stores and the
// information box of the mode label.

#include <string>

#include "files/WordokuSetup.h"
#include "shell/AssignWordokuLettersModel.h"
#include "shell/RaruduzDoc.h"

class Platform;
class SettingsStore;

// The Wordoku options as the settings store holds them (their defaults where it has none).
WordokuOptions ReadWordokuOptions(SettingsStore& store);

// Sets up the letters of the board the document has just taken. Override 0 (a board loaded from
// the puzzle data file): the display follows the board's own Wordoku flag (and is stored), and
// letters the board brings are kept. Override 1 (generation, special generation, import): the
// board follows the display, and gets fresh letters at the options' location. askUser is asked
// for the user's letters when the options say so and the board is shown in letters. Returns 0
// when the words file could not be read (the board's letters then stay), else 1.
int SetUpBoardLetters(CRaruduzDoc& document, SettingsStore& store, Platform& platform, int override,
                      const UserLettersRequest& askUser = nullptr);

// Sudoku (0) or Wordoku (1) display, stored as the view mode; a board without letters gets them.
void SetViewMode(CRaruduzDoc& document, SettingsStore& store, Platform& platform, int mode,
                 const UserLettersRequest& askUser = nullptr);

// Keeps the user's letters with the board and shows them: the board becomes a Wordoku of the
// user-defined type, and the display switches to letters (and is stored).
void StoreUserLetters(CRaruduzDoc& document, SettingsStore& store, Platform& platform,
                      const WordokuAssignment& assignment);

// The text of the information box: the assignment type and location of the board's letters, and
// the letters themselves when the assignment-type option is a word or the user's.
std::string WordokuInformationText(const BoardData& board, int assignmentTypeOption);
