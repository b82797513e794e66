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
#include "engine/RunControl.h"
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

// Scans text line by line and calls onRun with every complete run of 81 or 256 symbols,
// upper-cased, in order. With control, its progress is called with the percentage of the text
// scanned (about every 256 KB) and a stop request ends the scan; false then.
bool ScanSymbolRuns(std::string_view text, const std::function<void(std::string_view run)>& onRun,
                    RunControl* control = nullptr);

// Scans text line by line and calls onBoard for every board found, in order. The record passed
// is reused between calls.
BoardScan ScanBoardText(std::string_view text, int assignType,
                        const std::function<void(const BoardData&)>& onBoard);

// Boards kept as their symbol runs, one after the other, so that a collection costs about its
// text rather than a full record per board. Only runs that ParseBoardText accepts get in.
class BoardList {
public:
    explicit BoardList(int assignType = 0) : assignType_(assignType) {}

    int AssignType() const { return assignType_; }
    // False, and nothing added, when the run has no meaning.
    bool Add(std::string_view run);
    int Count() const { return static_cast<int>(ends_.size()); }
    std::string_view Run(int index) const;
    // 0 <= index < Count().
    void Record(int index, BoardData& record) const;
    std::string ListLine(int index) const;
    // The longest run, for sizing a list of them.
    int LongestRun() const { return longest_; }
    // The boards at indexes, in that order; indexes out of range are skipped.
    BoardList Subset(const std::vector<int>& indexes) const;

private:
    int assignType_;
    std::string symbols_;
    std::vector<std::size_t> ends_;
    int longest_ = 0;
};

// Replaces boards by the boards of a text file; returns their count. An unreadable file is
// reported ("Unable to Read Sudoku File ..."), refused runs are reported too. control as for
// ScanSymbolRuns: a stopped read leaves boards empty and returns 0.
int ReadBoardFile(Platform& platform, const std::filesystem::path& path, BoardList& boards,
                  RunControl* control = nullptr);

inline constexpr char kClipboardNotTextMessage[] = "The Clipboard Holds no Text Data !!!";

// Writes the clipboard's whole text to "Clipboard.txt" in the program folder and reads the
// boards of that file into boards, as ReadBoardFile does. Binary data (a NUL byte) is refused with
// kClipboardNotTextMessage and leaves "Clipboard.txt" alone.
int ImportClipboard(Platform& platform, BoardList& boards, RunControl* control = nullptr);

// Tells the user that skippedNbr boards were left out; nothing when there were none.
void ReportSkippedBoards(Platform& platform, int skippedNbr);

// One character per cell in reading order: "." empty, the value's symbol, or for a letter board
// the letter of its Wordoku string.
std::string BoardListLine(const BoardData& record);
