#include "files/SessionFile.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace {
SessionBoard SixteenBoard() {
    SessionBoard session;
    BoardData& board = session.board;
    board.size = 16;
    board.boxSize = 4;
    board.name = "Back\\slash\nand line";
    board.description = "Carriage\rreturn";
    board.level = 5;
    board.score = 1234;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            board.solution[CellIndex(x, y)].value = (x + 4 * y + y / 4) % 16 + 1;
            session.uniqueSolution[CellIndex(x, y)].value = board.solution[CellIndex(x, y)].value;
        }
    board.Cell(0, 0) = {16, Clue, 0, 0};
    board.Cell(5, 3) = {7, Given, 0, 0};
    board.Cell(15, 15) = {2, Mistake, 0, 0};
    board.isWordoku = 1;
    board.wordokuAssignType = 2;
    board.wordokuLocationKind = 3;
    board.wordokuLocationNbr = 16;
    board.wordokuString = "ABCDEFGHIJKLMNOP";
    board.wordokuStringCopy = "PONMLKJIHGFEDCBA";
    session.entryMode = 1;
    session.viewMode = 1;
    session.solutionKnown = 1;
    session.mistakeCheckEnabled = 1;
    session.uniqueSolutionKnown = 1;
    return session;
}

// Empties everywhere the sample leaves a cell untouched, as the reader rebuilds them.
void ExpectSameBoard(const SessionBoard& read, const SessionBoard& written) {
    const BoardData& a = read.board;
    const BoardData& b = written.board;
    EXPECT_EQ(a.size, b.size);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.description, b.description);
    EXPECT_EQ(a.level, b.level);
    EXPECT_EQ(a.score, b.score);
    for (int i = 0; i < b.size * b.size; ++i) {
        const int x = i % b.size, y = i / b.size;
        const int value = b.Cell(x, y).type == Empty ? -1 : b.Cell(x, y).value;
        EXPECT_EQ(a.Cell(x, y).value, value) << i;
        EXPECT_EQ(a.Cell(x, y).type, b.Cell(x, y).type) << i;
        EXPECT_EQ(a.solution[CellIndex(x, y)].value, b.solution[CellIndex(x, y)].value) << i;
        EXPECT_EQ(read.uniqueSolution[CellIndex(x, y)].value,
                  written.uniqueSolution[CellIndex(x, y)].value);
    }
    EXPECT_EQ(a.isWordoku, b.isWordoku);
    EXPECT_EQ(a.wordokuAssignType, b.wordokuAssignType);
    EXPECT_EQ(a.wordokuLocationKind, b.wordokuLocationKind);
    EXPECT_EQ(a.wordokuLocationNbr, b.wordokuLocationNbr);
    EXPECT_EQ(a.wordokuString, b.wordokuString);
    EXPECT_EQ(a.wordokuStringCopy, b.wordokuStringCopy);
    EXPECT_EQ(read.entryMode, written.entryMode);
    EXPECT_EQ(read.viewMode, written.viewMode);
    EXPECT_EQ(read.solutionKnown, written.solutionKnown);
    EXPECT_EQ(read.mistakeCheckEnabled, written.mistakeCheckEnabled);
    EXPECT_EQ(read.uniqueSolutionKnown, written.uniqueSolutionKnown);
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}
}  // namespace

TEST(SessionFile, KeepsEveryFieldThroughTheFile) {
    TempFolder folder;
    const SessionBoard written = SixteenBoard();
    FileError error = FileError::None;
    ASSERT_TRUE(WriteSessionFile(folder / kSessionFileName, written, error));
    SessionBoard read;
    ASSERT_EQ(ReadSessionFile(folder / kSessionFileName, read), SessionRead::Read);
    ExpectSameBoard(read, written);

    SessionBoard nineByNine;
    nineByNine.board.name = "Default";
    nineByNine.board.Cell(8, 8) = {9, Clue, 0, 0};
    const std::optional<SessionBoard> plain = ParseSession(FormatSession(nineByNine));
    ASSERT_TRUE(plain);
    ExpectSameBoard(*plain, nineByNine);
}

TEST(SessionFile, AnythingButAWholeSessionIsRefused) {
    const std::string good = FormatSession(SixteenBoard());
    ASSERT_TRUE(ParseSession(good));
    const std::vector<std::string> damaged = {
        "",
        good.substr(0, good.size() / 2),
        good.substr(0, good.size() - 1),
        Replace(good, "Raruduz session 1", "Raruduz session 2"),
        Replace(good, "size 16", "size 12"),
        Replace(good, "values G", "values H"),
        Replace(good, "types 1", "types 0"),
        Replace(good, "types 1", "types 7"),
        Replace(good, "level 5", "level 9"),
        Replace(good, "entryMode 1", "entryMode 2"),
        Replace(good, "wordokuLocation 3 16", "wordokuLocation 3 17"),
        Replace(good, R"(name Back\\)", R"(name Back\q)"),
        Replace(good, "score 1234", "score 12x"),
        Replace(good, "isWordoku 1\n", ""),
        good + "isWordoku 1\n",
        good + "extra 1\n",
    };
    for (const std::string& text : damaged) EXPECT_FALSE(ParseSession(text)) << text;
    // A 16 x 16 board's values read as a 9 x 9 one are out of range.
    EXPECT_FALSE(ParseSession(Replace(good, "size 16", "size 9")));
}

TEST(SessionFile, MissingAndForeignFilesAreToldApart) {
    TempFolder folder;
    SessionBoard read;
    EXPECT_EQ(ReadSessionFile(folder / "none.txt", read), SessionRead::Missing);
    std::filesystem::create_directory(folder / "folder");
    EXPECT_EQ(ReadSessionFile(folder / "folder", read), SessionRead::Damaged);
    std::ofstream(folder / "large.txt") << std::string(100000, 'x');
    EXPECT_EQ(ReadSessionFile(folder / "large.txt", read), SessionRead::Damaged);
}
