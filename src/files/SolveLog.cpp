#include "files/SolveLog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "engine/BoardLevel.h"

namespace {
// How a description ends: every listed cell, the first two joined by " & ", or the first alone.
enum class CellListing { All, FirstTwo, FirstOnly };

struct StepDescription {
    const char* text;  // "%s" stands for the values, then (when `plural`) the plural suffix
    int valueCount;
    bool plural;
    CellListing cells;
};

constexpr StepDescription kPlacement = {"Given %s solved at ", 1, false, CellListing::FirstOnly};
constexpr StepDescription kOneCandidate = {"Candidate %s removed in Cell%s", 1, true,
                                           CellListing::All};
constexpr StepDescription kNakedPair = {"Candidates %s and/or %s removed in Cell%s", 2, true,
                                        CellListing::All};
constexpr StepDescription kHiddenPair = {"Candidates other than %s and %s removed in Cells ", 2,
                                         false, CellListing::FirstTwo};
constexpr StepDescription kNakedTriple = {"Candidates %s, %s and/or %s removed in Cell%s", 3, true,
                                          CellListing::All};
constexpr StepDescription kHiddenTriple = {"Candidates other than %s, %s and %s removed in Cell%s",
                                           3, true, CellListing::All};
constexpr StepDescription kNakedQuad = {"Candidates %s, %s, %s and %s removed in Cell%s", 4, true,
                                        CellListing::All};
constexpr StepDescription kRectangleType1 = {"Candidates %s and %s removed in Cell ", 2, false,
                                             CellListing::FirstOnly};
constexpr StepDescription kForcedChains = {"Common Candidate(s) removed in Cell%s", 0, true,
                                           CellListing::All};
constexpr StepDescription kNoDescription = {nullptr, 0, false, CellListing::All};

// Indexed by TechniqueId. Single colours type II reads like type I.
constexpr std::array<StepDescription, kTechniqueIdCount> kStepDescriptions = {
    kNoDescription,                                  // 0
    kPlacement,      kPlacement,     kPlacement,     // 1-3
    kPlacement,      kPlacement,     kPlacement,     // 4-6
    kPlacement,                                      // 7
    kOneCandidate,   kOneCandidate,                  // 8, 9
    kOneCandidate,   kOneCandidate,                  // 10, 11
    kNakedPair,      kNakedPair,     kNakedPair,     // 12-14
    kHiddenPair,     kHiddenPair,    kHiddenPair,    // 15-17
    kNakedTriple,    kNakedTriple,   kNakedTriple,   // 18-20
    kHiddenTriple,   kHiddenTriple,  kHiddenTriple,  // 21-23
    kNakedQuad,      kNakedQuad,     kNakedQuad,     // 24-26
    kRectangleType1, kOneCandidate,                  // 27, 28
    kNoDescription,  kNoDescription,                 // 29, 30
    kOneCandidate,   kOneCandidate,                  // 31, 32
    kOneCandidate,   kOneCandidate,                  // 33, 34
    kForcedChains,   kOneCandidate,                  // 35, 36
};

// The order of the technique summary.
// clang-format off
constexpr std::array<TechniqueId, 34> kSummaryOrder = {
    SingleInBox, SingleInRow, SingleInColumn, NakedSingle,
    HiddenSingleInBox, HiddenSingleInRow, HiddenSingleInColumn,
    PointingPairInRow, PointingPairInColumn, BoxLineReductionInRow, BoxLineReductionInColumn,
    NakedPairInBox, NakedPairInRow, NakedPairInColumn,
    HiddenPairInBox, HiddenPairInRow, HiddenPairInColumn,
    NakedTripleInBox, NakedTripleInRow, NakedTripleInColumn,
    HiddenTripleInBox, HiddenTripleInRow, HiddenTripleInColumn,
    NakedQuadInBox, NakedQuadInRow, NakedQuadInColumn,
    UniqueRectangleType1, UniqueRectangleType2,
    SingleColoursType1, SingleColoursType2, XWings, YWings, ForcedChains, BruteForceGuess,
};
// clang-format on

constexpr int kLogNameWidth = 42;
constexpr int kBoardColumnWidth = 24;

std::string Symbol(int v, std::string_view letters) {
    if (v >= 1 && static_cast<std::size_t>(v) <= letters.size())
        return std::string(1, letters[v - 1]);
    return std::string(1, ValueSymbol(v));
}

std::string CellName(const StepLogEntry& entry, int i) {
    return "r" + std::to_string(entry.cellRow[i]) + "c" + std::to_string(entry.cellColumn[i]);
}

// Each "%s" of the pattern takes the next argument.
std::string Substitute(std::string_view pattern, std::initializer_list<std::string> arguments) {
    std::string text;
    auto argument = arguments.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern.substr(i, 2) == "%s" && argument != arguments.end()) {
            text += *argument++;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

int ListedCells(const StepLogEntry& entry) {
    return std::clamp(entry.cellNbr, 0, kStepLogCellCapacity);
}

std::string CellList(const StepLogEntry& entry, CellListing listing) {
    const int count = listing == CellListing::FirstOnly  ? 1
                      : listing == CellListing::FirstTwo ? 2
                                                         : ListedCells(entry);
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += i == count - 1 ? " & " : ", ";
        text += CellName(entry, i);
    }
    return text;
}

std::string_view TechniqueName(const SudokuBoard& board, int id) {
    return board.techniqueName[IsValidTechniqueId(id) ? id : UnknownTechnique];
}

std::string PaddedTo(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.append(width - padded.size(), ' ');
    return padded;
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}
std::string ThreeDigits(int n) {
    return (n < 100 ? "0" : "") + TwoDigits(n);
}

int LoggedSteps(const SolveStatistics& statistics) {
    return std::clamp(statistics.stepNbr, 0, kStepLogCapacity);
}

// Maps what the C library reports to the cause texts the program's file messages end with.
const char* FileErrorCause(int error) {
    switch (error) {
        case ENOENT:
            return "File Not Found";
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Invalid Path";
        case EMFILE:
        case ENFILE:
            return "Too Many Files Open";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return "Access Denied";
        case ENOSPC:
            return "Disk Full";
        case EIO:
            return "Hardware Error";
        default:
            return "Unknown Error !!!";
    }
}

int LastError() {
    return errno != 0 ? errno : EIO;
}

// Writes the text to a new file at path and moves it over target. 0 when done, else the error;
// a failure leaves target as it was and removes what it created.
int ReplaceFile(const std::filesystem::path& path, const std::filesystem::path& target,
                std::string_view text) {
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return LastError();
    int error = std::fwrite(text.data(), 1, text.size(), file) == text.size() ? 0 : LastError();
    if (std::fclose(file) != 0 && error == 0) error = LastError();
    if (error == 0) {
        std::error_code renameError;
        std::filesystem::rename(path, target, renameError);
        error = renameError.value();
    }
    if (error != 0) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
    return error;
}
}  // namespace

std::string DescribeStep(const StepLogEntry& entry, std::string_view letters) {
    if (!IsValidTechniqueId(entry.techniqueId)) return {};
    const StepDescription& description = kStepDescriptions[entry.techniqueId];
    if (!description.text) return {};
    const std::string plural = ListedCells(entry) == 1 ? " " : "s ";
    const std::array<std::string, 4> symbols = {
        Symbol(entry.value1, letters), Symbol(entry.value2, letters), Symbol(entry.value3, letters),
        Symbol(entry.value4, letters)};
    std::string head;
    switch (description.valueCount) {
        case 0:
            head = Substitute(description.text, {plural});
            break;
        case 1:
            head = Substitute(description.text, {symbols[0], plural});
            break;
        case 2:
            head = Substitute(description.text, {symbols[0], symbols[1], plural});
            break;
        case 3:
            head = Substitute(description.text, {symbols[0], symbols[1], symbols[2], plural});
            break;
        default:
            head = Substitute(description.text,
                              {symbols[0], symbols[1], symbols[2], symbols[3], plural});
            break;
    }
    return head + CellList(entry, description.cells);
}

SolveDataPage FillSolveDataPage(SudokuBoard& board, std::string_view letters) {
    SolveDataPage page;
    const SolveStatistics& statistics = board.statistics;
    if (statistics.stepNbr <= 0) {
        page.summary.push_back({kSolveDataEmptyText, "", ""});
        page.steps.push_back({kSolveDataEmptyText, "", ""});
        return page;
    }
    for (TechniqueId id : kSummaryOrder)
        if (statistics.callNbr[id] != 0)
            page.summary.push_back({std::to_string(page.summary.size() + 1),
                                    std::string(TechniqueName(board, id)),
                                    std::to_string(statistics.callNbr[id])});
    for (int i = 0; i < LoggedSteps(statistics); ++i) {
        const StepLogEntry& entry = statistics.steps[i];
        page.steps.push_back({std::to_string(i + 1),
                              std::string(TechniqueName(board, entry.techniqueId)),
                              DescribeStep(entry, letters)});
    }
    board.statistics.newData = 0;
    return page;
}

std::string SolveLogSections(const SudokuBoard& board, std::string_view letters) {
    const SolveStatistics& statistics = board.statistics;
    std::string text = "\r\nTechniques Summary\r\n\r\n";
    int row = 0;
    for (TechniqueId id : kSummaryOrder)
        if (statistics.callNbr[id] != 0)
            text += TwoDigits(++row) + " " + PaddedTo(TechniqueName(board, id), kLogNameWidth) +
                    " " + std::to_string(statistics.callNbr[id]) + " \r\n";
    text += "\r\nBoard Solving Log\r\n\r\n";
    for (int i = 0; i < LoggedSteps(statistics); ++i) {
        const StepLogEntry& entry = statistics.steps[i];
        text += ThreeDigits(i + 1) + " " +
                PaddedTo(TechniqueName(board, entry.techniqueId), kLogNameWidth) + " " +
                DescribeStep(entry, letters) + " \r\n";
    }
    return text;
}

std::string SolveLogText(const SudokuBoard& board, std::string_view letters) {
    std::string text = "Board Processing Log Data \r\n";
    text += "Raruduz 2.2 - Sudoku Workbench - Solve Log\r\n\r\n";
    text += PaddedTo("Original Board", kBoardColumnWidth) + "Solved Board\r\n";
    for (int y = 0; y < board.size; ++y) {
        std::string clues, current;
        for (int x = 0; x < board.size; ++x) {
            const BoardCell& cell = board.Cell(x, y);
            clues += cell.type == Clue ? ValueSymbol(cell.value) : '.';
            current += ValueSymbol(cell.value);
        }
        text += PaddedTo(clues, kBoardColumnWidth) + current + "\r\n";
    }
    text += "\r\nDifficulty Level: " + std::string(LevelName(board.level)) +
            "   Board Score: " + std::to_string(board.score) + "\r\n";
    return text + SolveLogSections(board, letters);
}

int StoreSolveLog(SudokuBoard& board, std::string_view letters) {
    const std::filesystem::path folder = board.platform().ProgramFolder();
    const std::filesystem::path path = folder / kSolveLogFileName;
    const std::filesystem::path partial = folder / (std::string(kSolveLogFileName) + ".partial");
    const int error = ReplaceFile(partial, path, SolveLogText(board, letters));
    if (error != 0) {
        board.platform().ShowMessage(
            std::string("Unable to Create Data File for Solve Log !!! Cause: ") +
            FileErrorCause(error));
        return 0;
    }
    return 1;
}
