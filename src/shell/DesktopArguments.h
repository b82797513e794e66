#pragma once
// The desktop program's command line: nothing, a puzzle file to open, or a puzzle sheet to write
// without a window.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class SheetFormat { Pdf, Png };

struct PrintToRequest {
    std::filesystem::path output;
    SheetFormat format = SheetFormat::Pdf;
    int perPage = 1;
    bool solutions = false;
    std::filesystem::path input;
};

struct DesktopArguments {
    bool help = false;
    std::optional<PrintToRequest> printTo;
    std::optional<std::filesystem::path> boardFile;
    std::string error;  // bad usage: what is wrong, for standard error
};

inline constexpr char kDesktopUsage[] =
    "Usage: raruduz [FILE]\n"
    "       raruduz --print-to OUT.pdf|OUT.png [--per-page 1|2|4|6] [--solutions] FILE\n"
    "FILE is a text file of boards, read as File > Import from File reads it: one board is\n"
    "opened at once, several open the import dialog.\n"
    "--print-to writes the boards of FILE, rated and titled, to a PDF (as many A4 pages as\n"
    "needed, then with --solutions their solutions, 12 to a page) or the first page to a PNG at\n"
    "150 dpi, without opening a window.\n";

// The format an output file's extension names, in any case: ".pdf" or ".png".
std::optional<SheetFormat> SheetFormatOf(const std::filesystem::path& file);

// Whether the arguments (program name left out) ask for a sheet: such a run needs no display.
bool IsPrintToRun(std::span<const std::string> arguments);

// Parses the arguments, program name left out. Only one of help, printTo and boardFile is set,
// or error.
DesktopArguments ParseDesktopArguments(std::span<const std::string> arguments);
