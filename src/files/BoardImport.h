#pragma once
// Boards from plain text: runs of exactly 81 or 256 symbols, comment lines skipped, one board on
// one line or over many. Digits make a Sudoku board; letters alone (more than ten of them) make
// a Wordoku board whose letters are numbered alphabetically.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BoardTypes.h"
#include "platform/Platform.h"

inline constexpr char kImportedBoardName[] = "Default";
// The Wordoku string every imported digit board carries.
inline constexpr char kDigitBoardWordokuString[] = "VOZARAZAR";
inline constexpr char kClipboardFileName[] = "Clipboard.txt";

// A line starting with one of these single-byte (Windows-1252) characters is a comment.
bool IsCommentLine(std::string_view line);

// Fills record from one run of 81 or 256 symbols (already upper-cased). False, with the record
// in an unspecified state, when the run has no meaning: a letter after "G" other than "X" in a
// digit board, "Y" or "Z" in a letter board, or a value above the board's size.
bool ParseBoardText(std::string_view symbols, int assignType, BoardData& record);

struct BoardScan {
    int boardNbr = 0;    // boards handed out
    int skippedNbr = 0;  // complete runs that ParseBoardText refused
};

// Scans text line by line and calls onBoard for every board found, in order. The record passed
// is reused between calls.
BoardScan ScanBoardText(std::string_view text, int assignType,
                        const std::function<void(const BoardData&)>& onBoard);

// Appends the boards of a text file to records; returns how many were found. An unreadable file
// is reported ("Unable to Read Sudoku File ...") and gives 0; refused runs are reported too.
int ReadBoardFile(Platform& platform, const std::filesystem::path& path,
                  std::vector<BoardData>& records, int assignType);

// Writes the clipboard's whole text to "Clipboard.txt" in the program folder and reads the
// boards of that file into records.
int ImportClipboard(Platform& platform, std::vector<BoardData>& records, int assignType);

// Tells the user that skippedNbr boards were left out; nothing when there were none.
void ReportSkippedBoards(Platform& platform, int skippedNbr);

// One character per cell in reading order: "." empty, the value's symbol, or for a letter board
// the letter of its Wordoku string.
std::string BoardListLine(const BoardData& record);
