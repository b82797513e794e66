#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/BoardLevel.h"

namespace {
TEST(Rating, LevelFollowsTheScoreThresholds) {
    const std::pair<int, BoardLevel> cases[] = {
        {-5, VeryEasy},  {0, VeryEasy},   {100, VeryEasy}, {101, VeryEasy},  {102, Easy},
        {111, Easy},     {112, Medium},   {124, Medium},   {125, Hard},      {149, Hard},
        {150, VeryHard}, {199, VeryHard}, {200, Fiendish}, {4999, Fiendish}, {90000, Fiendish},
    };
    for (const auto& [score, level] : cases) EXPECT_EQ(LevelForScore(score), level) << score;

    // Every score of a level's generation band rates as that level.
    for (int level = VeryEasy; level <= Fiendish; ++level)
        for (int score = kLevelScoreBands[level].lowScore;
             score < kLevelScoreBands[level].highScore; ++score)
            ASSERT_EQ(LevelForScore(score), level) << score;

    EXPECT_STREQ(LevelName(VeryEasy), "Very Easy");
    EXPECT_STREQ(LevelName(VeryHard), "Very hard");
    EXPECT_STREQ(LevelName(Fiendish), "Fiendish");
    EXPECT_STREQ(LevelName(7), "Unknown");
    EXPECT_STREQ(LevelName(-1), "Unknown");

    HeadlessPlatform platform;
    SudokuBoard board(platform);
    board.score = 150;
    board.LevelFromScore();
    EXPECT_EQ(board.level, VeryHard);
}

TEST(Rating, RatedBoardKeepsItsSolutionAndShowsItsCluesAgain) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    EXPECT_EQ(board->RateBoard(), 1);
    EXPECT_EQ(board->mistakeCheckEnabled, 1);
    EXPECT_EQ(GridText(*board, board->solution), kClassicSolution);
    EXPECT_EQ(BoardText(*board), std::string(kClassicPuzzle));
    EXPECT_EQ(board->givenNbr, 0);
    EXPECT_EQ(board->statistics.stepNbr, 0);  // the rating keeps its statistics to itself
    // Solve-mode entries are judged against that solution.
    EXPECT_EQ(board->SetValue(SolveMode, 3, 0, 2), 1);
    EXPECT_EQ(board->Cell(3, 0).type, Mistake);
}

TEST(Rating, BoardTheTechniquesCannotFinishKeepsItsLevel) {
    HeadlessPlatform platform;
    auto board = MakeBoard(
        platform,
        "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1");
    const std::string clues = BoardText(*board);
    board->level = Hard;
    EXPECT_EQ(board->RateBoard(), 0);
    EXPECT_EQ(board->level, Hard);
    EXPECT_EQ(board->mistakeCheckEnabled, 0);
    EXPECT_EQ(BoardText(*board), clues);
}

TEST(Rating, BoardOfCluesOnlyIsVeryEasy) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicSolution);
    EXPECT_EQ(board->RateBoard(), 1);
    EXPECT_EQ(board->score, 0);
    EXPECT_EQ(board->level, VeryEasy);
}
}  // namespace
