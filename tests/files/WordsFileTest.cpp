#include "files/WordsFile.h"

#include <set>

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace {
struct Scan {
    std::int64_t wordNbr;
    std::string word;
};

// The text fed in pieces of the given length.
Scan ScanText(std::string_view text, int letterNbr, std::int64_t wanted, std::size_t piece) {
    WordLineScanner scanner(letterNbr, wanted);
    for (std::size_t at = 0; at < text.size(); at += piece) scanner.Feed(text.substr(at, piece));
    scanner.Finish();
    return {scanner.WordNbr(), scanner.Word()};
}

TEST(WordsFile, OnlyLinesOfNDifferentLettersCountWhateverThePieces) {
    const std::string text =
        "alphabets\r\n"    // repeated A
        "Blueprint\r\n"    // word 0
        "\n"               // empty
        "MINDFORCE\r"      // word 1, CR alone
        "WORKPLACE \n"     // trailing blank
        "WORK-LACE\n"      // other character
        "CAMBRIDGE\n"      // word 2
        "DUMBWAITERS\n"    // too long
        "FLOWCHART\xC4\n"  // a byte beyond ASCII
        "PLAYGROUND\n"     // too long
        "JUMPINGLY";       // word 3, no line break at the end
    for (std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{7}, text.size()}) {
        EXPECT_EQ(ScanText(text, 9, -1, piece).wordNbr, 4) << piece;
        EXPECT_EQ(ScanText(text, 9, 0, piece).word, "BLUEPRINT") << piece;
        EXPECT_EQ(ScanText(text, 9, 1, piece).word, "MINDFORCE") << piece;
        EXPECT_EQ(ScanText(text, 9, 3, piece).word, "JUMPINGLY") << piece;
        EXPECT_EQ(ScanText(text, 9, 4, piece).word, "") << piece;
    }
    EXPECT_EQ(ScanText("ABCDEFGHIJKLMNOP\nBLUEPRINT\n", 16, 0, 5).word, "ABCDEFGHIJKLMNOP");
}

TEST(WordsFile, EveryUsableLineCanBeDrawn) {
    TempFolder folder;
    WriteBytes(folder / "words.txt", "BLUEPRINT\nxx\nMINDFORCE\nCAMBRIDGE\n");
    WordokuRandom random(1);
    std::set<std::string> drawn;
    for (int run = 0; run < 60; ++run) {
        std::string word;
        ASSERT_EQ(PickRandomWord(folder / "words.txt", 9, random, word), WordsFileResult::Word);
        drawn.insert(word);
    }
    EXPECT_EQ(drawn, (std::set<std::string>{"BLUEPRINT", "CAMBRIDGE", "MINDFORCE"}));
    std::string word = "kept";
    EXPECT_EQ(PickRandomWord(folder / "none.txt", 9, random, word), WordsFileResult::Unreadable);
    EXPECT_EQ(PickRandomWord(folder.path(), 9, random, word), WordsFileResult::Unreadable);
    EXPECT_EQ(word, "kept");
}
}  // namespace
