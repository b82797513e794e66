#include "shell/AssignWordokuLettersModel.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {
std::unique_ptr<SudokuBoard> SolvedClassic(HeadlessPlatform& platform) {
    auto board = MakeBoard(platform, kClassicPuzzle);
    EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
    return board;
}

std::string Row(const std::array<int, kMaxSize>& values, int n) {
    std::string text;
    for (int j = 0; j < n; ++j) text += kValueSymbols[values[j]];
    return text;
}
}  // namespace

TEST(AssignWordokuLettersModel, LettersBoxChecksRunInOrderAndRestoreThePreviousText) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    AssignWordokuLettersModel model(*board, WordokuOptions(), platform);
    EXPECT_EQ(model.EditLetters("  mind \t"), "MIND");
    EXPECT_EQ(model.LetterRow(), "MIND.....");
    EXPECT_FALSE(model.CanApply());
    EXPECT_TRUE(platform.messages.empty());

    const std::string tenThousand(10000, 'Q');
    struct Refused {
        std::string typed;
        const char* message;
    };
    const Refused refused[] = {
        {"mindforcee", kMaximumLengthMessage},
        {tenThousand, kMaximumLengthMessage},
        {"AAAAAAAAAA", kMaximumLengthMessage},  // too long comes before repeated
        {"MM", kDuplicateCharacterMessage},
        {"M11", kDuplicateCharacterMessage},  // repeated comes before invalid
        {"\xC3\x84\xC3\x84", kDuplicateCharacterMessage},
        {"M1", kInvalidCharacterMessage},
        {"MIND FOR", kInvalidCharacterMessage},
        {"MIND#", kInvalidCharacterMessage},
        {"MIND\"", kInvalidCharacterMessage},
        {"MIND\xC3\xA9", kInvalidCharacterMessage},      // é, upper-cased or not
        {"MIND\xC3\x9F", kInvalidCharacterMessage},      // ß
        {"MIND\xE2\x82\xAC", kInvalidCharacterMessage},  // the euro sign
        {"MIND\xE6\x97\xA5", kInvalidCharacterMessage},  // outside the Western code page
        {"MIND\xFF", kInvalidCharacterMessage},          // not UTF-8 at all
    };
    for (const Refused& r : refused) {
        platform.messages.clear();
        EXPECT_EQ(model.EditLetters(r.typed), "MIND") << r.typed.substr(0, 12);
        EXPECT_EQ(platform.messages, std::vector<std::string>{r.message}) << r.typed.substr(0, 12);
    }
    // Nine letters take the place of the previous ones; then OK and Apply are offered.
    EXPECT_EQ(model.EditLetters("blueprint"), "BLUEPRINT");
    EXPECT_TRUE(model.CanApply());
    EXPECT_EQ(model.EditLetters(""), "");
    EXPECT_FALSE(model.CanApply());
}

TEST(AssignWordokuLettersModel, LettersArePlacedOnTheChosenLocationInValueOrder) {
    HeadlessPlatform platform;
    auto board = SolvedClassic(platform);
    board->wordokuLocationKind = RowLocation;
    board->wordokuLocationNbr = 1;
    AssignWordokuLettersModel model(*board, WordokuOptions(), platform);
    EXPECT_EQ(Row(model.LocationRow(), 9), "534678912");
    model.ChooseKind(ColumnLocation);
    EXPECT_EQ(model.number(), 0);  // a newly chosen list starts at "None"
    EXPECT_EQ(Row(model.LocationRow(), 9), "123456789");
    model.ChooseNumber(1);
    EXPECT_EQ(Row(model.LocationRow(), 9), "561847923");
    // Block 2: columns 3-5 of rows 0-2, row by row.
    model.ChooseKind(BlockLocation);
    model.ChooseNumber(2);
    EXPECT_EQ(Row(model.LocationRow(), 9), "678195342");

    model.EditLetters("WORKPLACE");
    EXPECT_EQ(model.PreviewSymbol(0, 0), '5');
    model.Apply();
    const WordokuAssignment result = model.Result();
    EXPECT_EQ(result.letters, "WORKPLACE");
    // Value v takes the letter at the place where the block holds v.
    EXPECT_EQ(result.copy, "KEACLWORP");
    EXPECT_EQ(result.kind, BlockLocation);
    EXPECT_EQ(result.number, 2);
    // The preview turns to the applied letters: the top-left 5 is L.
    EXPECT_TRUE(model.previewInLetters());
    EXPECT_EQ(model.PreviewSymbol(0, 0), 'L');
    EXPECT_EQ(model.PreviewSymbol(3, 0), 'W');
    model.ShowPreviewInLetters(false);
    EXPECT_EQ(model.PreviewSymbol(3, 0), '6');

    // With "None" the letters go to the values in the order typed.
    model.ChooseNumber(0);
    EXPECT_EQ(model.Result().copy, "WORKPLACE");
}

TEST(AssignWordokuLettersModel, StartsFromTheBoardOrTheOptions) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    WordokuOptions options;
    options.locationKind = BlockLocation;
    options.locationNbr = 4;
    // A new board: the options' location, no letters, and an unknown solution shows dots.
    AssignWordokuLettersModel fresh(*board, options, platform);
    EXPECT_EQ(fresh.kind(), BlockLocation);
    EXPECT_EQ(fresh.number(), 4);
    EXPECT_EQ(fresh.letters(), "");
    EXPECT_EQ(fresh.PreviewSymbol(2, 0), '.');
    EXPECT_EQ(Row(fresh.LocationRow(), 9), "123456789");

    board->wordokuLocationKind = ColumnLocation;
    board->wordokuLocationNbr = 7;
    board->wordokuString = "pilot";
    AssignWordokuLettersModel kept(*board, options, platform);
    EXPECT_EQ(kept.number(), 7);
    EXPECT_EQ(kept.letters(), "PILOT");

    // Random location and the "None" mark of the data file.
    board->wordokuLocationKind = RandomLocation;
    board->wordokuLocationNbr = 12;
    board->wordokuString = "None";
    AssignWordokuLettersModel unset(*board, options, platform);
    EXPECT_EQ(unset.kind(), RowLocation);
    EXPECT_EQ(unset.number(), 0);
    EXPECT_EQ(unset.letters(), "");
    EXPECT_TRUE(platform.messages.empty());
}
