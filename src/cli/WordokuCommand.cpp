// raruduz-cli wordoku: a user's word placed on a row, column or block of each board's solution.

#include <iostream>
#include <optional>

#include "cli/CliCommands.h"
#include "engine/WordokuLetters.h"

namespace {
constexpr const char* kNeedsNineMessage = "Wordoku Words Need a 9*9 Board ...";
constexpr const char* kNotUniqueMessage =
    "Board Has No Unique Solution ... No Wordoku Letters Assigned ...";

int LocationKind(const std::string& name) {
    if (name == "row") return RowLocation;
    if (name == "column") return ColumnLocation;
    if (name == "block") return BlockLocation;
    return -1;
}

// The clues as their letters, "." elsewhere.
std::string LetterBoardLine(const SudokuBoard& board) {
    std::string line;
    for (int y = 0; y < board.size; ++y)
        for (int x = 0; x < board.size; ++x) {
            const BoardCell& cell = board.Cell(x, y);
            line += cell.type == Clue ? SymbolText(board, 1, cell.value) : '.';
        }
    return line;
}
}  // namespace

int RunWordoku(CliArguments& arguments) {
    const std::optional<std::string> wordOption = arguments.TakeValue("--word");
    const std::optional<std::string> locationOption = arguments.TakeValue("--location");
    const int number = arguments.TakeInteger("--number", 1, 9, 0);
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (!wordOption || !locationOption || number == 0)
        return UsageError("wordoku needs --word, --location and --number");
    const std::string word = UpperCaseLetters(*wordOption);
    if (!IsLetterString(word, 9))
        return UsageError("the word must be nine different letters A-Z, not '" + *wordOption + "'");
    const int kind = LocationKind(*locationOption);
    if (kind < 0)
        return UsageError("option --location takes row, column or block, not '" + *locationOption +
                          "'");

    std::optional<WordokuRandom> random;
    const auto place = [&](SudokuBoard& board, const InputBoard& input) {
        if (!random) random.emplace(WordokuSeed(board.platform()));
        if (input.data.size != 9) {
            board.platform().ShowMessage(kNeedsNineMessage);
            return;
        }
        board.Initialise(input.data.size, 0, "", "", &input.data, 0, 1);
        if (board.SolveBruteForce(StopAtSecondSolution) != SolutionFound ||
            board.solutionNbr != 1) {
            board.platform().ShowMessage(kNotUniqueMessage);
            return;
        }
        board.wordokuLocationKind = kind;
        board.wordokuLocationNbr = number;
        PlaceWord(board, word);
        SetLetterString(board, board.wordokuStringCopy, *random);
        std::cout << input.index << '\t' << board.wordokuString << '\t'
                  << std::string_view(board.letterTable.data() + 1, board.size) << '\t'
                  << LetterBoardLine(board) << '\n';
    };
    // A Ctrl-C stops the uniqueness check of the board at hand, which then gets no letters.
    return RunOverInputBoards(arguments, place, CtrlC::StopsSolve);
}
