#include "files/PuzzleDataDialogs.h"

#include <algorithm>
#include <cstdio>

#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"
#include "files/PuzzleDataFile.h"

namespace {
const char* WordokuAssignmentText(int type) {
    static constexpr const char* kTexts[] = {"Random Letters", "Random Word from Words List",
                                             "User-Defined Assignment"};
    return type >= 0 && type <= 2 ? kTexts[type] : "Unknown Assignment !!!";
}

const char* WordokuLocationText(int kind) {
    static constexpr const char* kTexts[] = {"Random Location", "Wordoku Row Location",
                                             "Wordoku Column Location", "Wordoku Block Location"};
    return kind >= 0 && kind <= 3 ? kTexts[kind] : "Unknown Location Assignment !!!";
}

std::string Formatted(const char* format, int value) {
    char text[160];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
}  // namespace

bool RetrieveRecord(const std::vector<PuzzleRecord>& records, std::string_view name, bool cluesOnly,
                    BoardData& result) {
    const int index = FindRecordByName(records, name);
    if (index < 0) return false;
    result = ToBoardData(records[index]);
    if (cluesOnly)
        for (BoardCell& cell : result.cells)
            if (cell.type == Given) cell.value = -1;
    return true;
}

QuickSaveOutcome QuickSave(Platform& platform, const std::filesystem::path& file,
                           std::vector<PuzzleRecord>& records, const BoardData& board,
                           bool saveAs) {
    if (saveAs || board.name == "Default") return QuickSaveOutcome::DialogNeeded;
    if (FindRecordByName(records, board.name) < 0) return QuickSaveOutcome::DialogNeeded;
    return UpdateDataFile(platform, file, {ToPuzzleRecord(board)}, &records,
                          DamagedDataFile::AskToReplace)
               ? QuickSaveOutcome::Saved
               : QuickSaveOutcome::Failed;
}

SaveOutcome SaveBoard(Platform& platform, const std::filesystem::path& file,
                      std::vector<PuzzleRecord>& records, BoardData& board, std::string_view name,
                      std::string_view description, int level) {
    board.name = name;
    board.description = description;
    board.level = level;
    if (name.empty()) return SaveOutcome::NothingDone;
    const auto saved = [&] {
        return UpdateDataFile(platform, file, {ToPuzzleRecord(board)}, &records,
                              DamagedDataFile::AskToReplace);
    };
    if (FindRecordByName(records, name) < 0)
        return saved() ? SaveOutcome::Appended : SaveOutcome::Failed;
    char question[600];
    std::snprintf(question, sizeof question,
                  "Board %.500s Already exists in Raruduz Data File !!! Overwrite Existing Data ? ",
                  board.name.c_str());
    if (!platform.AskOkCancel(question, false)) return SaveOutcome::Cancelled;
    return saved() ? SaveOutcome::Overwritten : SaveOutcome::Failed;
}

std::vector<std::pair<std::string, std::string>> BoardAttributes(const PuzzleRecord& record) {
    const CellCounts counts = CountCells(record);
    std::vector<std::pair<std::string, std::string>> rows = {
        {"Board Name", record.name},
        {"Board Description", record.description},
        {"Board Level", LevelName(record.level)},
        {"Board Size", std::to_string(record.size)},
        {"Number of Clues", std::to_string(counts.clueNbr)},
        {"Number of Givens", std::to_string(counts.givenNbr)},
        {"Number of Empty Cells", std::to_string(counts.emptyNbr)},
        {"Board Type", record.isWordoku ? "Wordoku" : "Sudoku"},
    };
    if (!record.isWordoku) return rows;
    rows.insert(rows.end(),
                {
                    {"Wordoku Assignment", WordokuAssignmentText(record.wordokuAssignType)},
                    {"Wordoku Location Assign.", WordokuLocationText(record.wordokuLocationKind)},
                    {"Wordoku Location Index", std::to_string(record.wordokuLocationNbr)},
                    {"Wordoku String", record.wordokuString},
                    {"Wordoku Key", record.wordokuStringCopy},
                });
    return rows;
}

MultipleSolutionsView MultipleSolutions(const SudokuBoard& board, std::string_view separator) {
    MultipleSolutionsView view;
    const int count = board.solutionNbr;
    view.heading =
        count < kStoredSolutionCapacity
            ? Formatted(
                  "Raruduz finds %d solutions for this Board !!! Board Data is "
                  "Questionnable ...",
                  count)
            : Formatted(
                  "Raruduz finds more than %d solutions for this Board !!! Board Data is "
                  "Highly Questionnable ...",
                  kStoredSolutionCapacity);
    view.countText = Formatted("> %d", count);
    const int shown = std::clamp(count, 0, kStoredSolutionCapacity);
    if (shown < count) {
        char line[80];
        std::snprintf(line, sizeof line, "Only the First %d Solution%s shown ...", shown,
                      shown == 1 ? " is" : "s are");
        view.shownLine = line;
    }
    for (int k = 0; k < shown; ++k) {
        std::string row;
        for (int y = 0; y < board.size; ++y) {
            for (int x = 0; x < board.size; ++x) {
                const int v = board.solutions[k][CellIndex(x, y)].value;
                row += v == -1 ? std::string(" . ") : std::to_string(v) + " ";
            }
            row += separator;
        }
        view.rows.push_back(row);
    }
    return view;
}
