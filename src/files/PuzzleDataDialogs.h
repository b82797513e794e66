#pragma once
// What the load, save, attributes and multiple-solutions dialogs do apart from their widgets.

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/BoardTypes.h"
#include "files/PuzzleRecord.h"
#include "platform/Platform.h"

class SudokuBoard;

// Load dialog's OK: the first record named name into result; with cluesOnly, given cells become
// empty and keep their type. False when no record has that name.
bool RetrieveRecord(const std::vector<PuzzleRecord>& records, std::string_view name, bool cluesOnly,
                    BoardData& result);

enum class QuickSaveOutcome { DialogNeeded, Saved, Failed };

// The Save command (saveAs false) of a board whose name is not "Default" and is found in the
// records replaces that record in the file without a dialog; otherwise the dialog is needed.
// Every write is made under the file's lock on what the file holds then, so another program's
// change made since the dialog read it is kept; records gets the result. A file damaged since
// it was read is replaced only when the user agrees, its copy kept beside it.
QuickSaveOutcome QuickSave(Platform& platform, const std::filesystem::path& file,
                           std::vector<PuzzleRecord>& records, const BoardData& board, bool saveAs);

enum class SaveOutcome { NothingDone, Overwritten, Cancelled, Appended, Failed };

// The save dialog's "&Save" with the three fields, which go into board first. An existing name
// asks before overwriting (the dialog stays open); a new name appends (the dialog closes). A
// damaged file is handled as by QuickSave.
SaveOutcome SaveBoard(Platform& platform, const std::filesystem::path& file,
                      std::vector<PuzzleRecord>& records, BoardData& board, std::string_view name,
                      std::string_view description, int level);

// The rows of "View Board Attributes": attribute, board data.
std::vector<std::pair<std::string, std::string>> BoardAttributes(const PuzzleRecord& record);

inline constexpr std::string_view kRowSeparators[] = {"", " | ", " - "};
inline constexpr const char* kRowSeparatorItems[] = {"None", " | ", " - "};

struct MultipleSolutionsView {
    std::string heading;
    std::string countText;          // "Number of Solutions:"
    std::string shownLine;          // empty when every solution is shown
    std::vector<std::string> rows;  // the "Board Data" of rows 1, 2, ...
};

MultipleSolutionsView MultipleSolutions(const SudokuBoard& board, std::string_view separator);
