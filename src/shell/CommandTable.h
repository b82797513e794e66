#pragma once
// Every menu item of the main window as data: its command, menu, text (with its "&" mnemonic and,
// after a TAB, its shortcut) and the rules that enable and check it. The window builds its menus
// from this table and refreshes every state from it.

#include <cstdint>
#include <span>

enum class CommandId : std::int32_t {
    New,
    Open,
    Save,
    SaveAs,
    ImportFromClipboard,
    ImportFromFile,
    ExportToFile,
    Print,
    PrintPreview,
    ExportAsImage,
    Exit,
    SetBoard,
    SolveBoard,
    ResetBoard,
    SudokuMode,
    WordokuMode,
    AssignWordokuLetters,
    ShowMistakes,
    HighLightCandidate,  // parameter: the number 1..16
    DefaultGeneration,
    GenerateBoard,  // parameter: level * 10 + style
    SpecialGeneration,
    Undo,
    Redo,
    Hint,
    JumpToTechnique,
    SolveBruteForce,
    StopBruteForce,
    SolveIterative,
    SolveProgressive,
    BoardOptions,
    BoardSize,  // parameter: 9 or 16
    Zoom,       // parameter: the ratio in percent
    About,
};

// What the rules read.
struct CommandContext {
    std::int32_t size = 9;
    std::int32_t clueNbr = 0;
    std::int32_t givenNbr = 0;
    std::int32_t emptyNbr = 81;
    bool solving = false;  // an exhaustive solve is running
    std::int32_t entryMode = 1;
    std::int32_t viewMode = 0;
    std::int32_t defaultBoardSize = 9;
    std::int32_t highlighted = 0;
    bool mistakesShown = false;
    std::int32_t zoomRatio = 100;
    bool canUndo = false;
    bool canRedo = false;
    bool solutionKnown = false;
    bool boardDataFileExists = false;
};

using CommandRule = bool (*)(const CommandContext& context, int parameter);

struct CommandRow {
    CommandId id;
    int parameter;
    const char* menu;  // top menu, then submenus, separated by "/"
    const char* text;
    // Stays usable while an exhaustive solve runs; every other command would change the board
    // under the running search.
    bool liveWhileSolving;
    CommandRule enabled;  // null: always
    CommandRule checked;  // null: not checkable
};

std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(CommandId id, int parameter = 0);
bool IsEnabled(const CommandRow& row, const CommandContext& context);
bool IsChecked(const CommandRow& row, const CommandContext& context);
