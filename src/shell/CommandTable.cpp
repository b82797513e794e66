#include "shell/CommandTable.h"

#include "engine/SudokuBoard.h"

namespace {
bool HasClues(const CommandContext& c, int) {
    return c.clueNbr > 0;
}
bool Solving(const CommandContext& c, int) {
    return c.solving;
}
bool BoardDataFileExists(const CommandContext& c, int) {
    return c.boardDataFileExists;
}
bool ClueAndGivens(const CommandContext& c, int) {
    return c.clueNbr > 0 && c.givenNbr > 0;
}
bool InSetMode(const CommandContext& c, int) {
    return c.entryMode == SetMode;
}
bool InSolveMode(const CommandContext& c, int) {
    return c.entryMode == SolveMode;
}
bool CanHint(const CommandContext& c, int) {
    return c.clueNbr > 0 && c.entryMode == SolveMode;
}
bool InViewMode(const CommandContext& c, int mode) {
    return c.viewMode == mode;
}
bool SolutionKnown9(const CommandContext& c, int) {
    return c.size == 9 && c.solutionKnown;
}
bool MistakesShown(const CommandContext& c, int) {
    return c.mistakesShown;
}
bool CanHighLight(const CommandContext& c, int n) {
    return c.clueNbr > 0 && c.emptyNbr > 0 && n <= c.size;
}
bool HighLighted(const CommandContext& c, int n) {
    return c.highlighted == n;
}
bool CanUndo(const CommandContext& c, int) {
    return c.canUndo;
}
bool CanRedo(const CommandContext& c, int) {
    return c.canRedo;
}
bool OfSize(const CommandContext& c, int size) {
    return c.size == size || (c.defaultBoardSize == size && c.clueNbr == 0);
}
bool AtZoom(const CommandContext& c, int ratio) {
    return c.zoomRatio == ratio;
}

using enum CommandId;
constexpr const char* kFile = "&File";
constexpr const char* kSudoku = "&Sudoku";
constexpr const char* kHighLight = "&Sudoku/HighLight Candidates";
constexpr const char* kGenerate = "&Generate Board";
constexpr const char* kSolve = "S&olve";
constexpr const char* kOptions = "O&ptions";
constexpr const char* kZoom = "&View/Zoom";
constexpr const char* kHelp = "&Help";

constexpr CommandRow Level(int level, int style, const char* menu) {
    return {GenerateBoard, level * 10 + style,
            menu,          style == 0 ? "Non-Symetrical Board" : "Symetrical Board",
            false,         nullptr,
            nullptr};
}
constexpr CommandRow HighLight(int n, const char* text) {
    return {HighLightCandidate, n, kHighLight, text, true, CanHighLight, HighLighted};
}
constexpr CommandRow ZoomTo(int ratio, const char* text) {
    return {Zoom, ratio, kZoom, text, true, nullptr, AtZoom};
}

constexpr CommandRow kTable[] = {
    {New, 0, kFile, "&New\tCtrl+N", false, nullptr, nullptr},
    {Open, 0, kFile, "&Open...\tCtrl+O", false, BoardDataFileExists, nullptr},
    {Save, 0, kFile, "&Save\tCtrl+S", false, HasClues, nullptr},
    {SaveAs, 0, kFile, "Save &As...", false, HasClues, nullptr},
    {ImportFromClipboard, 0, kFile, "&Import from ClipBoard", false, nullptr, nullptr},
    {ImportFromFile, 0, kFile, "&Import from File", false, nullptr, nullptr},
    {ExportToFile, 0, kFile, "&Export to File", false, HasClues, nullptr},
    {Print, 0, kFile, "&Print...\tCtrl+P", false, HasClues, nullptr},
    {PrintPreview, 0, kFile, "Print Pre&view...", false, HasClues, nullptr},
    {ExportAsImage, 0, kFile, "Export as &Image...", false, HasClues, nullptr},
    {Exit, 0, kFile, "E&xit", false, nullptr, nullptr},
    {SetBoard, 0, kSudoku, "&Set Board", false, nullptr, InSetMode},
    {SolveBoard, 0, kSudoku, "Solve &Board", false, nullptr, InSolveMode},
    {ResetBoard, 0, kSudoku, "&Reset Board", false, ClueAndGivens, nullptr},
    {SudokuMode, 0, kSudoku, "&Sudoku Mode", false, nullptr, InViewMode},
    {WordokuMode, 1, kSudoku, "&Wordoku Mode", false, nullptr, InViewMode},
    {AssignWordokuLetters, 0, kSudoku, "Assign Wordoku Letters", false, SolutionKnown9, nullptr},
    {ShowMistakes, 0, kSudoku, "Show &Mistakes", true, nullptr, MistakesShown},
    HighLight(1, "1"),
    HighLight(2, "2"),
    HighLight(3, "3"),
    HighLight(4, "4"),
    HighLight(5, "5"),
    HighLight(6, "6"),
    HighLight(7, "7"),
    HighLight(8, "8"),
    HighLight(9, "9"),
    HighLight(10, "A"),
    HighLight(11, "B"),
    HighLight(12, "C"),
    HighLight(13, "D"),
    HighLight(14, "E"),
    HighLight(15, "F"),
    HighLight(16, "G"),
    {DefaultGeneration, 0, kGenerate, "Default Generation", false, nullptr, nullptr},
    Level(1, 0, "&Generate Board/Very Easy"),
    Level(1, 1, "&Generate Board/Very Easy"),
    Level(2, 0, "&Generate Board/Easy"),
    Level(2, 1, "&Generate Board/Easy"),
    Level(3, 0, "&Generate Board/Medium-Level"),
    Level(3, 1, "&Generate Board/Medium-Level"),
    Level(4, 0, "&Generate Board/Hard"),
    Level(4, 1, "&Generate Board/Hard"),
    Level(5, 0, "&Generate Board/Very Hard"),
    Level(5, 1, "&Generate Board/Very Hard"),
    Level(6, 0, "&Generate Board/Fiendish"),
    Level(6, 1, "&Generate Board/Fiendish"),
    {SpecialGeneration, 0, kGenerate, "&Special Generation", false, nullptr, nullptr},
    {Undo, 0, kSolve, "&Undo", false, CanUndo, nullptr},
    {Redo, 0, kSolve, "&Redo", false, CanRedo, nullptr},
    {Hint, 0, kSolve, "&Hint", false, CanHint, nullptr},
    {JumpToTechnique, 0, kSolve, "&Jump to Solving Tech Occurence ...", false, CanHint, nullptr},
    {SolveBruteForce, 0, kSolve, "Solve Using &Brute-Force Logic", false, HasClues, Solving},
    {StopBruteForce, 0, kSolve, "Stop &Brute-Force Solving", true, Solving, nullptr},
    {SolveIterative, 0, kSolve, "Solve using Iterative &Human-Like Logic", false, nullptr, nullptr},
    {SolveProgressive, 0, kSolve, "Solve using Progressive &Human-Like Logic", false, nullptr,
     nullptr},
    {BoardOptions, 0, kOptions, "&Board Options", false, nullptr, nullptr},
    {BoardSize, 9, kOptions, "&9 * 9 Board", false, nullptr, OfSize},
    {BoardSize, 16, kOptions, "&16 * 16 Board", false, nullptr, OfSize},
    ZoomTo(50, "Zoom 50%"),
    ZoomTo(75, "Zoom 75%"),
    ZoomTo(100, "Zoom 100%"),
    ZoomTo(125, "Zoom 125%"),
    ZoomTo(150, "Zoom 150%"),
    ZoomTo(175, "Zoom 175%"),
    ZoomTo(200, "Zoom 200%"),
    ZoomTo(250, "Zoom 250%"),
    ZoomTo(300, "Zoom 300%"),
    ZoomTo(400, "Zoom 400%"),
    {About, 0, kHelp, "&About Raruduz ", true, nullptr, nullptr},
};
}  // namespace

std::span<const CommandRow> CommandTable() {
    return kTable;
}

const CommandRow* FindCommand(CommandId id, int parameter) {
    for (const CommandRow& row : kTable)
        if (row.id == id && row.parameter == parameter) return &row;
    return nullptr;
}

bool IsEnabled(const CommandRow& row, const CommandContext& context) {
    if (context.solving && !row.liveWhileSolving) return false;
    return !row.enabled || row.enabled(context, row.parameter);
}

bool IsChecked(const CommandRow& row, const CommandContext& context) {
    return row.checked && row.checked(context, row.parameter);
}
