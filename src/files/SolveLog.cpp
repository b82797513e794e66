#include "files/SolveLog.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "engine/BoardLevel.h"
#include "files/AtomicFile.h"
#include "files/ProgramFolder.h"
#include "techniques/TechniqueTable.h"

namespace {
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

// Each "%s" of the pattern takes the next argument; arguments left over are not used.
std::string Substitute(std::string_view pattern, const std::vector<std::string>& arguments) {
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

}  // namespace

std::string DescribeStep(const StepLogEntry& entry, std::string_view letters) {
    const StepDescription* description = DescriptionOf(entry.techniqueId);
    if (!description) return {};
    const std::int32_t values[] = {entry.value1, entry.value2, entry.value3, entry.value4};
    std::vector<std::string> arguments;
    for (int i = 0; i < description->valueCount; ++i)
        arguments.push_back(Symbol(values[i], letters));
    arguments.push_back(ListedCells(entry) == 1 ? " " : "s ");
    return Substitute(description->text, arguments) + CellList(entry, description->cells);
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
    std::string problem;
    const std::optional<std::filesystem::path> folder =
        WritableProgramFolder(board.platform(), problem);
    if (!folder) {
        board.platform().ShowMessage(problem);
        return 0;
    }
    const std::filesystem::path path = *folder / kSolveLogFileName;
    FileError error = FileError::None;
    if (!WriteFileAtomically(path, SolveLogText(board, letters), error)) {
        board.platform().ShowMessage(
            std::string("Unable to Create Data File for Solve Log !!! Cause: ") +
            FileErrorText(error));
        return 0;
    }
    return 1;
}
