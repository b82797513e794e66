#include "generation/GradedGeneration.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/SudokuBoard.h"
#include "generation/GenerationSettings.h"
#include "platform/SettingsNames.h"

namespace {
// The board's solution grid is the one solution of its clues.
void ExpectSolutionMatchesClues(const SudokuBoard& board) {
    HeadlessPlatform platform;
    auto solved = MakeBoard(platform, BoardText(board));
    ASSERT_EQ(solved->SolveBruteForce(CountToFifty), SolutionFound);
    EXPECT_EQ(solved->solutionNbr, 1);
    EXPECT_EQ(GridText(board, board.solution), BoardText(*solved));
}
}  // namespace

TEST(GradedGenerationTest, BoardsScoreInTheirLevelsBand) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 1'234'567;
    SudokuBoard board(platform);
    for (int level : {VeryEasy, Easy, Medium}) {
        for (int style : {NonSymmetricalStyle, SymmetricalStyle}) {
            ASSERT_TRUE(GenerateGradedBoard(board, 9, level, style, 1));
            EXPECT_GE(board.score, kLevelScoreBands[level].lowScore);
            EXPECT_LT(board.score, kLevelScoreBands[level].highScore);
            EXPECT_EQ(board.level, level);
            EXPECT_EQ(board.name, "No Name");
            EXPECT_EQ(board.description, "Raruduz Generated Sudoku Board");
            EXPECT_EQ(board.isWordoku, 1);
            EXPECT_EQ(board.mistakeCheckEnabled, 1);
            EXPECT_EQ(board.solutionKnown, 0);
            EXPECT_EQ(board.clueNbr + board.emptyNbr, 81);
            EXPECT_EQ(board.givenNbr, 0);
            ExpectSolutionMatchesClues(board);
        }
    }
    EXPECT_EQ(platform.busyDepth, 0);
}

TEST(GradedGenerationTest, AStoppedRunLeavesTheBoardAsItWas) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 5;
    auto board = MakeBoard(platform, std::string(40, '.') + "5" + std::string(40, '.'));
    board->name = "Mine";

    RunControl control;
    std::vector<int> reported;
    control.progress = [&](int attempt) {
        reported.push_back(attempt);
        if (attempt == 3) control.stopRequested = true;
    };
    // "Fiendish" needs far more than two attempts here.
    EXPECT_FALSE(GenerateGradedBoard(*board, 9, Fiendish, NonSymmetricalStyle, 0, &control));
    EXPECT_EQ(reported, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(control.attemptNbr, 2);
    EXPECT_EQ(board->name, "Mine");
    EXPECT_EQ(board->clueNbr, 1);
    EXPECT_EQ(board->Cell(4, 4).value, 5);
    EXPECT_EQ(platform.busyDepth, 0);

    RunControl limited;
    limited.attemptLimit = 2;
    const bool generated = GenerateGradedBoard(*board, 9, Fiendish, SymmetricalStyle, 0, &limited);
    EXPECT_LE(limited.attemptNbr, 2);
    if (!generated) {
        EXPECT_EQ(limited.attemptNbr, 2);
        EXPECT_EQ(board->name, "Mine");
    }
}

TEST(GradedGenerationTest, SixteenBySixteenIsOfferedAtVeryEasyOnly) {
    EXPECT_TRUE(IsGradedGenerationOffered(16, VeryEasy));
    EXPECT_TRUE(IsGradedGenerationOffered(16, UnknownLevel));
    EXPECT_FALSE(IsGradedGenerationOffered(16, Easy));
    EXPECT_TRUE(IsGradedGenerationOffered(9, Fiendish));
    EXPECT_EQ(BandOfLevel(42).lowScore, 0);
    EXPECT_EQ(BandOfLevel(-1).highScore, 5000);
}

TEST(GradedGenerationTest, DefaultGenerationIsRememberedAndNamed) {
    HeadlessPlatform platform;
    SettingsStore settings(platform);
    DefaultGeneration generation = ReadDefaultGeneration(settings);
    EXPECT_EQ(generation.level, 1);
    EXPECT_EQ(generation.style, 0);
    EXPECT_EQ(DefaultGenerationMenuText(generation),
              "Default Generation: Very Easy Non Symetrical Board");

    StoreDefaultGeneration(settings, Hard, SymmetricalStyle);
    generation = ReadDefaultGeneration(settings);
    EXPECT_EQ(DefaultGenerationMenuText(generation), "Default Generation: Hard Symetrical Board");
    std::uint32_t stored = 0;
    ASSERT_TRUE(platform.settings.ReadNumber("DefautGenerationLevel", stored));
    EXPECT_EQ(stored, 4u);

    // Values no command could have written are not taken back.
    settings.WriteNumber(kDefautGenerationLevel, 99);
    settings.WriteNumber(kDefautGenerationStyle, -3);
    generation = ReadDefaultGeneration(settings);
    EXPECT_EQ(generation.level, 1);
    EXPECT_EQ(generation.style, 0);
}
