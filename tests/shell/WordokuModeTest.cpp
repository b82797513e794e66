#include "shell/WordokuMode.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "TempFolder.h"
#include "shell/SidePanels.h"

namespace {
constexpr char kViewMode[] = "ViewMode";

// The classic puzzle typed in and turned to solve mode, which proves its solution.
void ClassicInSolveMode(ShellFixture& f) {
    f.TypeClues(kClassicPuzzle);
    f.runner.Run(CommandId::SolveBoard);
}

int StoredViewMode(ShellFixture& f) {
    std::int32_t mode = -1;
    f.store.ReadNumber(kViewMode, mode);
    return mode;
}

// "BLUEPRINT" on row 1, which reads 5 3 4 6 7 8 9 1 2.
WordokuAssignment Blueprint() {
    return {"BLUEPRINT", "NTLUBEPRI", RowLocation, 1};
}
}  // namespace

TEST(WordokuMode, SwitchingBackAndForthAndUndoRedoKeepTheLetters) {
    ShellFixture f;
    ClassicInSolveMode(f);
    f.runner.Run(CommandId::WordokuMode, 1);
    EXPECT_EQ(f.doc.settings.viewMode, 1);
    EXPECT_EQ(f.board.isWordoku, 1);
    EXPECT_EQ(StoredViewMode(f), 1);
    EXPECT_TRUE(IsChecked(*FindCommand(CommandId::WordokuMode, 1), f.runner.Context()));
    const std::string letters = f.board.wordokuStringCopy;
    const int kind = f.board.wordokuLocationKind, number = f.board.wordokuLocationNbr;
    EXPECT_TRUE(IsLetterString(letters, 9));
    EXPECT_EQ(DisplayLetters(f.doc), letters);

    f.runner.Run(CommandId::SudokuMode);
    EXPECT_EQ(f.doc.settings.viewMode, 0);
    EXPECT_EQ(f.board.isWordoku, 0);
    EXPECT_EQ(StoredViewMode(f), 0);
    EXPECT_EQ(DisplayLetters(f.doc), "");
    f.runner.Run(CommandId::WordokuMode, 1);
    EXPECT_EQ(f.board.wordokuStringCopy, letters);
    EXPECT_EQ(f.board.wordokuLocationKind, kind);
    EXPECT_EQ(f.board.wordokuLocationNbr, number);

    // Snapshots hold only cells and counters.
    f.input.Select(2, 0);
    f.input.TypeCharacter(letters[3]);
    f.input.Select(3, 0);
    f.input.TypeCharacter(letters[5]);
    EXPECT_EQ(f.board.Cell(3, 0).value, 6);
    f.runner.Run(CommandId::Undo);
    EXPECT_EQ(f.board.Cell(3, 0).value, -1);
    f.runner.Run(CommandId::Undo);
    f.runner.Run(CommandId::Redo);
    EXPECT_EQ(f.board.Cell(2, 0).value, 4);
    EXPECT_EQ(f.board.wordokuStringCopy, letters);
    EXPECT_EQ(DisplayLetters(f.doc), letters);
    // The export writes the board as the view shows it.
    f.runner.Run(CommandId::ExportToFile);
    ASSERT_EQ(f.dialogs.exported.size(), 1u);
    EXPECT_EQ(f.dialogs.exported[0].find_first_of("123456789"), std::string::npos);
    EXPECT_NE(f.dialogs.exported[0].find(letters[3]), std::string::npos);

    // Letters that are not N different letters A-Z are never shown.
    f.board.wordokuStringCopy = "VOZARAZAR";
    EXPECT_EQ(DisplayLetters(f.doc), "");
}

TEST(WordokuMode, TypedLettersEntryButtonsAndClueLettersGoThroughTheLetters) {
    ShellFixture f;
    ClassicInSolveMode(f);
    f.dialogs.assignment = Blueprint();
    f.runner.Run(CommandId::AssignWordokuLetters);
    ASSERT_EQ(DisplayLetters(f.doc), "NTLUBEPRI");

    // (2, 0) holds 4 in the solution: U.
    f.input.Select(2, 0);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('u')), "Given U Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(2, 0).value, 4);
    EXPECT_EQ(f.board.Cell(2, 0).type, Given);
    // Letters not in the string are refused, whatever their place in the alphabet.
    f.input.Select(3, 0);
    for (char c : {'A', 'Z', 'c'}) {
        EXPECT_EQ(f.Status(f.input.TypeCharacter(c)), "Error Invalid Key Entered ...");
        EXPECT_EQ(f.platform.messages.back(), "Invalid Entry !!!");
    }
    EXPECT_EQ(f.board.Cell(3, 0).value, -1);
    // Entry button 6 shows E and enters 6.
    const std::size_t snapshots = f.doc.history().UndoCount();
    EXPECT_EQ(f.Status(f.input.EnterValue(6)), "Given E Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(3, 0).value, 6);
    EXPECT_EQ(f.doc.history().UndoCount(), snapshots + 1);

    // Clues typed as letters stand for the same values.
    f.runner.Run(CommandId::SetBoard);
    f.input.Select(5, 0);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('R')), "Given R Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(5, 0).value, 8);
    EXPECT_EQ(f.board.Cell(5, 0).type, Clue);
    f.input.Select(6, 0);
    EXPECT_EQ(f.Status(f.input.TypeCharacter('Z')), "Error Invalid Key Entered ...");
    EXPECT_EQ(f.platform.messages.back(), "Setting Board Error: Invalid Entry !!!");
    EXPECT_EQ(f.Status(f.input.EnterValue(9)), "Given I Added on Current Location ...");
    EXPECT_EQ(f.board.Cell(6, 0).value, 9);
}

TEST(WordokuMode, ABoardWithoutCluesTakesNoEntryInLetters) {
    ShellFixture f;
    f.runner.Run(CommandId::WordokuMode, 1);
    for (bool typed : {true, false}) {
        f.platform.messages.clear();
        const CommandResult result = typed ? f.input.TypeCharacter('5') : f.input.EnterValue(3);
        EXPECT_EQ(f.Status(result), "Board Data Entry Not Availeble ...");
        EXPECT_EQ(f.platform.messages,
                  std::vector<std::string>{
                      "Boards can not be entered as Wordoku ....\nPlease switch to Sudoku Mode and "
                      "Type in the Board ...\nThen switch batck to Wordoku ..."});
    }
    EXPECT_EQ(f.board.emptyNbr, 81);
    EXPECT_EQ(f.doc.history().UndoCount(), 0u);
}

TEST(WordokuMode, OverrideZeroKeepsALoadedBoardsLettersAndOneGivesFreshOnes) {
    TempFolder folder;
    WriteBytes(folder / "words.txt", "blueprint\n");
    ShellFixture f;
    ClassicInSolveMode(f);
    f.store.WriteNumber("WordokuAssignmentType", RandomWord);
    f.store.WriteText("WordokuWordListPath", (folder / "words.txt").string());
    f.store.WriteNumber("WordokuLocAssignmentType", RowLocation);
    f.store.WriteNumber("WordokuLocationNbr", 1);

    // A board loaded with the letters it was saved with, in Wordoku display.
    f.board.isWordoku = 1;
    f.board.wordokuAssignType = UserLetters;
    f.board.wordokuLocationKind = ColumnLocation;
    f.board.wordokuLocationNbr = 5;
    f.board.wordokuString = "WORKPLACE";
    f.board.wordokuStringCopy = "CEORWKPLA";
    EXPECT_EQ(SetUpBoardLetters(f.doc, f.store, f.platform, 0), 1);
    EXPECT_EQ(f.doc.settings.viewMode, 1);
    EXPECT_EQ(StoredViewMode(f), 1);
    EXPECT_EQ(f.board.wordokuStringCopy, "CEORWKPLA");
    EXPECT_EQ(f.board.wordokuLocationKind, ColumnLocation);
    EXPECT_EQ(f.board.wordokuLocationNbr, 5);

    // Imported or generated: the options' word at the options' location.
    EXPECT_EQ(SetUpBoardLetters(f.doc, f.store, f.platform, 1), 1);
    EXPECT_EQ(f.board.wordokuString, "BLUEPRINT");
    EXPECT_EQ(f.board.wordokuStringCopy, "NTLUBEPRI");
    EXPECT_EQ(f.board.wordokuLocationKind, RowLocation);
    EXPECT_EQ(f.board.wordokuLocationNbr, 1);
    EXPECT_EQ(f.board.isWordoku, 1);

    // A digit board saved with the import's letter string: digits, and letters that work.
    f.board.isWordoku = 0;
    f.board.wordokuString = f.board.wordokuStringCopy = "VOZARAZAR";
    SetUpBoardLetters(f.doc, f.store, f.platform, 0);
    EXPECT_EQ(f.doc.settings.viewMode, 0);
    EXPECT_EQ(StoredViewMode(f), 0);
    EXPECT_TRUE(IsLetterString(f.board.wordokuStringCopy, 9));
    // In Sudoku display a fresh board follows the display.
    f.board.isWordoku = 1;
    SetUpBoardLetters(f.doc, f.store, f.platform, 1);
    EXPECT_EQ(f.board.isWordoku, 0);
    EXPECT_TRUE(f.platform.messages.empty());
}

TEST(WordokuMode, UserLettersAreAskedForWhenTheBoardIsShownInLetters) {
    ShellFixture f;
    f.store.WriteNumber("WordokuAssignmentType", UserLetters);
    // Generated in digits: nothing asked until the switch; a cancelled dialog leaves letters
    // that work, and they stay.
    f.runner.Run(CommandId::GenerateBoard, 10);
    EXPECT_EQ(f.dialogs.lettersAsked, 0);
    EXPECT_EQ(f.board.wordokuStringCopy, "");
    f.runner.Run(CommandId::WordokuMode, 1);
    EXPECT_EQ(f.dialogs.lettersAsked, 1);
    const std::string letters = f.board.wordokuStringCopy;
    EXPECT_TRUE(IsLetterString(letters, 9));
    f.runner.Run(CommandId::SudokuMode);
    f.runner.Run(CommandId::WordokuMode, 1);
    EXPECT_EQ(f.dialogs.lettersAsked, 1);
    EXPECT_EQ(f.board.wordokuStringCopy, letters);

    // Generated in letters: asked at once, and the user's letters are kept.
    f.dialogs.assignment = Blueprint();
    f.runner.Run(CommandId::GenerateBoard, 10);
    EXPECT_EQ(f.dialogs.lettersAsked, 2);
    EXPECT_EQ(f.board.wordokuAssignType, UserLetters);
    EXPECT_EQ(f.board.wordokuString, "BLUEPRINT");
    EXPECT_EQ(DisplayLetters(f.doc), "NTLUBEPRI");
    EXPECT_EQ(f.doc.history().UndoCount(), 1u);
}

TEST(WordokuMode, AssignCommandNeedsAKnownSolutionAndStoresWhatOkGives) {
    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    EXPECT_TRUE(f.runner.Run(CommandId::AssignWordokuLetters).refused);
    f.runner.Run(CommandId::SolveBoard);
    f.runner.Run(CommandId::AssignWordokuLetters);  // cancelled
    EXPECT_EQ(f.dialogs.lettersAsked, 1);
    EXPECT_EQ(f.doc.settings.viewMode, 0);
    EXPECT_EQ(f.board.wordokuStringCopy, "");

    f.dialogs.assignment = WordokuAssignment{"WORKPLACE", "KEACLWORP", BlockLocation, 2};
    EXPECT_TRUE(f.runner.Run(CommandId::AssignWordokuLetters).redraw);
    EXPECT_EQ(f.board.wordokuAssignType, UserLetters);
    EXPECT_EQ(f.board.wordokuString, "WORKPLACE");
    EXPECT_EQ(f.board.wordokuLocationKind, BlockLocation);
    EXPECT_EQ(f.board.wordokuLocationNbr, 2);
    EXPECT_EQ(f.board.isWordoku, 1);
    // The letters are shown at once: the display switches to them.
    EXPECT_EQ(f.doc.settings.viewMode, 1);
    EXPECT_EQ(StoredViewMode(f), 1);
    EXPECT_EQ(DisplayLetters(f.doc), "KEACLWORP");
    EXPECT_EQ(std::string(f.board.letterTable.begin() + 1, f.board.letterTable.begin() + 10),
              "KEACLWORP");
}

TEST(WordokuMode, InformationBoxNamesTheAssignmentTypeAndLocation) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->wordokuString = "BLUEPRINT";
    const auto text = [&](int type, int kind, int number, int option) {
        board->wordokuAssignType = type;
        board->wordokuLocationKind = kind;
        board->wordokuLocationNbr = number;
        return WordokuInformationText(*board, option);
    };
    const std::string head = "Wordoku View Mode\n\n";
    EXPECT_EQ(text(RandomLetters, RandomLocation, 3, RandomLetters),
              head + "Assignment Type: Random Letters \nAssignment Location: Random \n");
    EXPECT_EQ(text(RandomWord, RowLocation, 3, RandomWord),
              head +
                  "Assignment Type: Random Word from Words List \nAssignment Location: Row 3 \n"
                  "Wordoku String: BLUEPRINT \n");
    EXPECT_EQ(text(UserLetters, ColumnLocation, 7, UserLetters),
              head +
                  "Assignment Type: User-Defined Assignment \nAssignment Location: Column 7 \n"
                  "Wordoku String: BLUEPRINT \n");
    EXPECT_EQ(text(UserLetters, BlockLocation, 9, RandomLetters),
              head + "Assignment Type: User-Defined Assignment \nAssignment Location: Block 9 \n");
    EXPECT_EQ(text(5, 4, 1, RandomLetters),
              head +
                  "Assignment Type: Unknown (Internal Error ... Please Contact Duvere \n"
                  "Assignment Location: Unknown (Internal Error ... Please Contact Duvere \n");
    board->Initialise(16, 0, "", "", nullptr, 0, 1);
    board->wordokuString = "ABCDEFGHIJKLMNOP";
    EXPECT_EQ(text(UserLetters, RowLocation, 16, RandomWord),
              head +
                  "Assignment Type: Random Letters \nAssignment Location: Row 16 \n"
                  "Wordoku String: ABCDEFGHIJKLMNOP \n");

    // The mode label shows the box in Wordoku display only.
    ShellFixture f;
    f.runner.ShowWordokuInformation();
    EXPECT_TRUE(f.platform.messages.empty());
    f.runner.Run(CommandId::WordokuMode, 1);
    f.runner.ShowWordokuInformation();
    ASSERT_EQ(f.platform.messages.size(), 1u);
    EXPECT_EQ(f.platform.messages[0], WordokuInformationText(f.board, RandomLetters));
}
