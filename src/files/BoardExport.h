#pragma once
// The board as a small text file in one of four layouts, and what the export dialog does apart
// from its widgets: the export folder, the content choice, the file name's extension and the
// questions about it, and the write.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/BoardTypes.h"
#include "platform/Platform.h"

enum ExportLayout : int { WebFriendly = 0, VbForums = 1, SadMan = 2, SimpleSudoku = 3 };
enum ExportContent : int { CluesOnly = 0, CluesAndGivens = 1 };

struct ExportLayoutInfo {
    const char* item;  // the drop-down text
    const char* extension;
    const char* otherExtension;  // a second standard extension, or null
};

inline constexpr std::array<ExportLayoutInfo, 4> kExportLayouts = {{
    {"Web Friendly Format (.txt)", ".txt", nullptr},
    {"VBForums Contest Format (.msk, .sol)", ".msk", ".sol"},
    {"SadMan Software Format (.sdk)", ".sdk", nullptr},
    {"Simple Sudoku Format (.ss) ", ".ss", nullptr},
}};

// What goes out of the board.
struct ExportSource {
    const BoardData* board = nullptr;
    int solved = 0;               // the solution grid holds the step solver's solution
    bool wordokuDisplay = false;  // symbols are the board's Wordoku letters
};

// The file content before the write's final line break, lines separated by LF.
std::string ExportPreview(const ExportSource& source, ExportLayout layout, ExportContent content);
// "&Export to File" is offered for a preview of at least 81 characters and a file name.
bool ExportAllowed(std::string_view preview, std::string_view fileName);
// "Export All (Clues and Givens)": warns first when the board is not solved. Returns the choice.
ExportContent ChooseExportAll(Platform& platform, int solved);

// The DefaultExportPath setting, or the program folder when it is empty.
std::filesystem::path ExportFolder(Platform& platform);
void StoreExportFolder(Platform& platform, const std::filesystem::path& folder);

// The path to write: the folder, the file name, the standard extension when there is none; asks
// about a non-standard extension and about overwriting. Nothing when the user cancelled.
std::optional<std::filesystem::path> ExportTarget(Platform& platform, std::string_view folder,
                                                  std::string_view fileName, ExportLayout layout);
// Writes the preview and its final line break with CR LF line ends; failures are reported.
bool WriteExport(Platform& platform, const std::filesystem::path& path, std::string_view preview);
