#include "shell/WordokuMode.h"

#include "platform/SettingsStore.h"
#include "shell/ViewSettings.h"

namespace {
constexpr char kViewMode[] = "ViewMode";
}  // namespace

WordokuOptions ReadWordokuOptions(SettingsStore& store) {
    ViewSettings settings;
    LoadViewSettings(store, settings);
    WordokuOptions options;
    options.assignmentType = settings.wordokuAssignmentType;
    options.wordListPath = settings.wordokuWordListPath;
    options.locationKind = settings.wordokuLocAssignmentType;
    options.locationNbr = settings.wordokuLocationNbr;
    return options;
}

int SetUpBoardLetters(CRaruduzDoc& document, SettingsStore& store, Platform& platform, int override,
                      const UserLettersRequest& askUser) {
    SudokuBoard& board = document.board();
    // Typed letters are resolved by the board's flag and drawn by the display's mode: the two
    // must agree.
    if (override) {
        board.isWordoku = document.settings.viewMode == 1 ? 1 : 0;
    } else {
        document.settings.viewMode = board.isWordoku ? 1 : 0;
        store.WriteNumber(kViewMode, document.settings.viewMode);
    }
    WordokuRandom random(WordokuSeed(platform));
    const std::string string = override ? "None" : board.wordokuString;
    const std::string copy = override ? "None" : board.wordokuStringCopy;
    return WordokuSetup(board, ReadWordokuOptions(store), string, copy, override, random, askUser);
}

void SetViewMode(CRaruduzDoc& document, SettingsStore& store, Platform& platform, int mode,
                 const UserLettersRequest& askUser) {
    document.board().isWordoku = mode == 1 ? 1 : 0;
    SetUpBoardLetters(document, store, platform, 0, askUser);
}

void StoreUserLetters(CRaruduzDoc& document, SettingsStore& store, Platform& platform,
                      const WordokuAssignment& assignment) {
    SudokuBoard& board = document.board();
    board.wordokuAssignType = UserLetters;
    board.wordokuString = assignment.letters;
    board.wordokuStringCopy = assignment.copy;
    board.wordokuLocationKind = assignment.kind;
    board.wordokuLocationNbr = assignment.number;
    board.isWordoku = 1;
    document.settings.viewMode = 1;
    store.WriteNumber(kViewMode, 1);
    WordokuRandom random(WordokuSeed(platform));
    SetLetterString(board, board.wordokuStringCopy, random);
}

std::string WordokuInformationText(const BoardData& board, int assignmentTypeOption) {
    static constexpr const char* kTypeLines[] = {
        "Assignment Type: Random Letters \n",
        "Assignment Type: Random Word from Words List \n",
        "Assignment Type: User-Defined Assignment \n",
    };
    static constexpr const char* kLocationNames[] = {"Row", "Column", "Block"};
    constexpr char kUnknown[] = "Unknown (Internal Error ... Please Contact Duvere \n";

    std::string text = "Wordoku View Mode\n\n";
    const int type = board.size == 16 ? RandomLetters : board.wordokuAssignType;
    text += type >= RandomLetters && type <= UserLetters
                ? std::string(kTypeLines[type])
                : std::string("Assignment Type: ") + kUnknown;
    const int kind = board.wordokuLocationKind;
    text += "Assignment Location: ";
    if (kind == RandomLocation)
        text += "Random \n";
    else if (kind >= RowLocation && kind <= BlockLocation)
        text += std::string(kLocationNames[kind - RowLocation]) + " " +
                std::to_string(board.wordokuLocationNbr) + " \n";
    else
        text += kUnknown;
    if (assignmentTypeOption == RandomWord || assignmentTypeOption == UserLetters)
        text += "Wordoku String: " + board.wordokuString + " \n";
    return text;
}
