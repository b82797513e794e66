#include "files/WordokuSetup.h"

#include "files/WordsFile.h"

namespace {
bool IsSet(std::string_view text) {
    return !text.empty() && text != "None";
}

// 0 when the words file cannot be read.
int AssignRandomWord(SudokuBoard& board, const std::string& path, WordokuRandom& random) {
    std::string word;
    const WordsFileResult result =
        path.empty() ? WordsFileResult::NoWord : PickRandomWord(path, board.size, random, word);
    switch (result) {
        case WordsFileResult::Word:
            PlaceWord(board, word);
            return 1;
        case WordsFileResult::NoWord:
            AssignRandomLetters(board, random);
            return 1;
        case WordsFileResult::Unreadable:
            break;
    }
    board.platform().ShowMessage(UnreadableWordsFileMessage(path));
    return 0;
}
}  // namespace

int WordokuSetup(SudokuBoard& board, const WordokuOptions& options, std::string_view string,
                 std::string_view copy, int override, WordokuRandom& random,
                 const UserLettersRequest& askUser) {
    if (board.wordokuLocationKind == -1) board.wordokuLocationKind = options.locationKind;
    int kind = override ? options.locationKind : board.wordokuLocationKind;
    if (kind < RowLocation || kind > BlockLocation) kind = random.Below(3) + RowLocation;
    board.wordokuLocationKind = kind;

    if (board.wordokuLocationNbr == -1) board.wordokuLocationNbr = options.locationNbr;
    int number = override ? options.locationNbr : board.wordokuLocationNbr;
    if (number < 1 || number > board.size) number = random.Below(board.size) + 1;
    board.wordokuLocationNbr = number;

    int result = 1;
    if (!IsSet(string) || !IsSet(copy)) {
        const int type = board.size == 9 ? options.assignmentType : RandomLetters;
        if (type == RandomWord)
            result = AssignRandomWord(board, options.wordListPath, random);
        else if (type == RandomLetters)
            AssignRandomLetters(board, random);
        else if (!board.isWordoku) {
            // The user is asked on the switch to Wordoku display: until then there is nothing
            // to show, and letters drawn now would be kept instead of the user's.
            board.wordokuString.clear();
            board.wordokuStringCopy.clear();
            board.letterTable = kNoLetters;
            return result;
        } else if (askUser)
            askUser(board);
    }
    SetLetterString(board, board.wordokuStringCopy, random);
    return result;
}
