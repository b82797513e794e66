#include <gtest/gtest.h>

#include "CandidateFixtures.h"
#include "techniques/TechniqueRoutines.h"

namespace {

// An open board whose solution grid is known.
std::unique_ptr<SudokuBoard> GuessBoard(HeadlessPlatform& platform) {
    auto board = OpenBoard(platform);
    for (int i = 0; i < 81; ++i)
        board->solution[CellIndex(i % 9, i / 9)].value = kClassicSolution[i] - '0';
    board->solutionKnown = 1;
    return board;
}

TEST(BruteForceGuess, ActsOnlyWithPermissionAndAKnownSolution) {
    HeadlessPlatform platform;
    auto board = GuessBoard(platform);
    SetCandidates(*board, 4, 4, "56");
    SolveStep step;
    board->allowBruteForceTech = 0;
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *board, step), "");
    board->allowBruteForceTech = 1;
    board->solutionKnown = 0;
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *board, step), "");
    board->solutionKnown = 1;
    EXPECT_NE(RunRoutine(FindBruteForceGuess, *board, step), "");
    EXPECT_EQ(step.technique, BruteForceGuess);
    // Cells with every candidate are never guessed.
    auto open = GuessBoard(platform);
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *open, step), "");
}

TEST(BruteForceGuess, TwoCandidatesBeatThreeWhateverTheScore) {
    HeadlessPlatform platform;
    auto board = GuessBoard(platform);
    SetCandidates(*board, 0, 0, "125");
    // r9c9 (solution 9) keeps 9 in three peers only: r1c9 (column), r9c8 (row), r7c7 (box).
    PaintValue(*board, 9,
               "xxxxxxxxx"
               "xxxxxxxx."
               "xxxxxxxx."
               "xxxxxxxx."
               "xxxxxxxx."
               "xxxxxxxx."
               "xxxxxxx.."
               "xxxxxx..."
               ".......x.");
    SetCandidates(*board, 8, 8, "19");
    SolveStep step;
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *board, step), "r9c9=9");
    // The guessed cell becomes a given and keeps its candidates.
    EXPECT_EQ(board->Cell(8, 8).type, Given);
    EXPECT_EQ(board->Cell(8, 8).candidateNbr, 2);
}

TEST(BruteForceGuess, MostBivaluePeersThenMostPeersThenFirstScored) {
    HeadlessPlatform platform;
    SolveStep step;
    // r9c9 {1,9} sees the two-candidate r1c9 {2,9}, which would lose 9: it beats r1c1 {1,5}.
    auto board = GuessBoard(platform);
    SetCandidates(*board, 0, 0, "15");
    SetCandidates(*board, 8, 0, "29");
    SetCandidates(*board, 8, 8, "19");
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *board, step), "r9c9=9");
    // Equal scores: r9c1 (solution 3) is scored before r5c5 (solution 5), column by column.
    auto tied = GuessBoard(platform);
    SetCandidates(*tied, 4, 4, "35");
    SetCandidates(*tied, 0, 8, "35");
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *tied, step), "r9c1=3");
    // One peer fewer for r9c1: r5c5 wins.
    auto fewer = GuessBoard(platform);
    SetCandidates(*fewer, 4, 4, "35");
    SetCandidates(*fewer, 0, 8, "35");
    SetCandidates(*fewer, 0, 0, "12456789");
    EXPECT_EQ(RunRoutine(FindBruteForceGuess, *fewer, step), "r5c5=5");
}
}  // namespace
