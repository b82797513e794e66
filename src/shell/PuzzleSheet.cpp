#include "shell/PuzzleSheet.h"

#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"
#include "files/BoardImport.h"

namespace {
// A sheet is made from the file alone: letter boards number their letters, as a fresh
// installation's import does.
constexpr int kSheetAssignType = 0;
}  // namespace

std::vector<SheetBoard> ReadSheetBoards(Platform& platform, const std::filesystem::path& file) {
    BoardList records(kSheetAssignType);
    ReadBoardFile(platform, file, records);
    std::vector<SheetBoard> boards(records.Count());
    SudokuBoard board(platform);
    BoardData record;
    for (int i = 0; i < records.Count(); ++i) {
        SheetBoard& sheet = boards[i];
        sheet.number = i + 1;
        records.Record(i, record);
        board.LoadRecord(record);
        board.RateBoard();
        sheet.record = board.data();
        // The rating's human-like solve may give up; the answer page still needs the solution.
        if (board.SolveBruteForce(StopAtSecondSolution) == SolutionFound) {
            sheet.record.solution = board.cells;
            sheet.solution =
                board.solutionNbr > 1 ? SheetSolution::OneOfSeveral : SheetSolution::Unique;
        }
    }
    return boards;
}

BoardData SolutionBoard(const SheetBoard& board) {
    BoardData solution = board.record;
    if (board.solution != SheetSolution::None) solution.cells = board.record.solution;
    return solution;
}

namespace {
std::string LevelAndScore(const BoardData& board) {
    return "Level: " + std::string(LevelName(board.level)) +
           "   Score: " + std::to_string(board.score);
}
}  // namespace

std::string SheetBoardTitle(const SheetBoard& board) {
    return "Board " + std::to_string(board.number) + "   " + LevelAndScore(board.record);
}

std::string PrintedBoardTitle(const BoardData& board) {
    return board.name + "   " + LevelAndScore(board);
}

std::string SheetSolutionTitle(const SheetBoard& board) {
    const std::string title = "Solution " + std::to_string(board.number);
    switch (board.solution) {
        case SheetSolution::Unique:
            return title;
        case SheetSolution::OneOfSeveral:
            return title + "   (One of Several)";
        case SheetSolution::None:
            break;
    }
    return title + "   No Solution";
}
