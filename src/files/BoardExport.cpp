#include "files/BoardExport.h"

#include <cstdio>

#include "files/TextLineFile.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"

namespace {
std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool SameExtension(std::string_view a, const char* b) {
    return b && UpperCase(std::string(a)) == UpperCase(b);
}

char ExportSymbol(const ExportSource& source, const BoardCell& cell, ExportContent content) {
    const int v = cell.value;
    if (v < 1 || v > kMaxSize || (content == CluesOnly && cell.type != Clue)) return '.';
    // The copy holds the letters in value order; the string reads along the word's location.
    if (source.wordokuDisplay && v <= static_cast<int>(source.board->wordokuStringCopy.size()))
        return source.board->wordokuStringCopy[v - 1];
    return kValueSymbols[v];
}

std::string RowSymbols(const ExportSource& source, int y, ExportContent content) {
    const BoardData& board = *source.board;
    const CellGrid& grid = source.solved ? board.solution : board.cells;
    std::string row;
    for (int x = 0; x < board.size; ++x)
        row += ExportSymbol(source, grid[CellIndex(x, y)], content);
    return row;
}

std::string SimpleSudokuBorder(int size, int boxSize) {
    return "*" + std::string(size / boxSize + size - 1, '-') + "*\n";
}
}  // namespace

std::string ExportPreview(const ExportSource& source, ExportLayout layout, ExportContent content) {
    const int size = source.board->size;
    const int boxSize = source.board->boxSize;
    std::string text;
    if (layout == SadMan) text += "[Puzzle]\n";
    if (layout == SimpleSudoku) text += SimpleSudokuBorder(size, boxSize);
    for (int y = 0; y < size; ++y) {
        const std::string row = RowSymbols(source, y, content);
        if (layout == WebFriendly) {
            text += row;
            continue;
        }
        if (layout != SimpleSudoku) {
            text += row + "\n";
            continue;
        }
        text += '|';
        for (int x = 0; x < size; ++x) {
            text += row[x];
            if ((x + 1) % boxSize == 0 && x + 1 < size) text += '|';
        }
        text += "|\n";
        if ((y + 1) % boxSize == 0 && y + 1 < size) {
            text += '|';
            for (int group = 0; group < size / boxSize; ++group) {
                if (group > 0) text += '+';
                text += std::string(boxSize, '-');
            }
            text += "|\n";
        }
    }
    if (layout == SimpleSudoku) text += SimpleSudokuBorder(size, boxSize);
    return text;
}

bool ExportAllowed(std::string_view preview, std::string_view fileName) {
    return preview.size() >= 81 && !fileName.empty();
}

ExportContent ChooseExportAll(Platform& platform, int solved) {
    if (!solved)
        platform.ShowMessage(
            "Board Yet Unsolved ... Clues and Givens Export Not Available ...\nPlease Make "
            "Raruduz Solve the Board before Proceeding .. ");
    return CluesAndGivens;
}

std::filesystem::path ExportFolder(Platform& platform) {
    std::string folder;
    SettingsStore(platform).ReadText(kDefaultExportPath, folder);
    return folder.empty() ? platform.ProgramFolder() : std::filesystem::path(folder);
}

void StoreExportFolder(Platform& platform, const std::filesystem::path& folder) {
    SettingsStore(platform).WriteText(kDefaultExportPath, folder.string());
}

std::optional<std::filesystem::path> ExportTarget(Platform& platform, std::string_view folder,
                                                  std::string_view fileName, ExportLayout layout) {
    const ExportLayoutInfo& info = kExportLayouts[layout >= 0 && layout < 4 ? layout : 0];
    std::string path(folder);
    if (!path.empty() && path.back() != '/' && path.back() != '\\')
        path += std::filesystem::path::preferred_separator;
    path += fileName;
    const std::string extension = std::filesystem::path(path).extension().string();
    if (extension.empty()) {
        path += info.extension;
    } else if (!SameExtension(extension, info.extension) &&
               !SameExtension(extension, info.otherExtension)) {
        char question[256];
        if (info.otherExtension)
            std::snprintf(question, sizeof question,
                          "Extention %.80s is not the standard Extention (%s or %s) for this "
                          "export ... Use Anyway ?",
                          UpperCase(extension).c_str(), info.extension, info.otherExtension);
        else
            std::snprintf(question, sizeof question,
                          "Extention %.80s is not the standard Extention (%s) for this export "
                          "... Use Anyway ?",
                          UpperCase(extension).c_str(), info.extension);
        if (!platform.AskOkCancel(question, false)) return std::nullopt;
    }
    std::error_code code;
    if (std::filesystem::exists(path, code) &&
        !platform.AskOkCancel("File Already Exist !!! Overwrite Existing File ? ", true))
        return std::nullopt;
    return std::filesystem::path(path);
}

bool WriteExport(Platform& platform, const std::filesystem::path& path, std::string_view preview) {
    TextLineFile file(platform);
    return file.OpenForWrite(path, true) && file.WriteLine(preview) && file.Close();
}
