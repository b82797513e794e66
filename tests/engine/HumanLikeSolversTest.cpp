#include <gtest/gtest.h>

#include <numeric>

#include "ScriptedRoutines.h"
#include "TestSupport.h"

namespace {
std::vector<int> Positions(int first, int last) {
    std::vector<int> positions(last - first + 1);
    std::iota(positions.begin(), positions.end(), first);
    return positions;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> joined;
    for (const std::vector<int>& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// 30 clues, 51 empty cells.
const char kHalfBoard[] =
    "123456789"
    "456789123"
    "789123456"
    "2.......1"
    "........."
    "........."
    "........."
    "........."
    "..1......";

TEST(HumanLikeDrivers, IterativeCountsWeighsAndLogsEachStepThenRestarts) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kHalfBoard);
    ASSERT_EQ(board->emptyNbr, 51);
    board->solutionNbr = 7;
    Script() = {};
    Script().placements[0] = 51;
    Script().steps[26] = {{UniqueRectangleType1, 0, 0}};
    Script().steps[27] = {{XWings, 0, 3}};

    SolveStatistics statistics;
    EXPECT_EQ(SolveHumanLike(*board, statistics, ScriptedOrder()), SolutionFound);

    EXPECT_EQ(Script().calls, Join({std::vector<int>(52, 0), Positions(1, 26), Positions(0, 27),
                                    Positions(0, 31)}));
    EXPECT_EQ(statistics.callNbr[SingleInBox], 51);
    EXPECT_EQ(statistics.callNbr[UniqueRectangleType1], 1);
    EXPECT_EQ(statistics.callNbr[XWings], 1);
    EXPECT_EQ(statistics.scoreSum, 51 + 10 + 12);
    EXPECT_EQ(board->givenNbr, 51);
    EXPECT_EQ(board->score, 7300 / 51);
    EXPECT_EQ(statistics.newData, 1);
    EXPECT_EQ(board->solutionNbr, 0);

    ASSERT_EQ(statistics.stepNbr, 53);
    const StepLogEntry& first = statistics.steps[0];
    EXPECT_EQ(first.techniqueId, SingleInBox);
    EXPECT_EQ(first.cellNbr, 1);
    EXPECT_EQ(first.cellColumn[0], 1);
    EXPECT_EQ(first.cellRow[0], 5);
    EXPECT_EQ(first.value1, board->Cell(0, 4).value);
    EXPECT_EQ(statistics.steps[51].techniqueId, UniqueRectangleType1);
    EXPECT_EQ(statistics.steps[52].techniqueId, XWings);
    EXPECT_EQ(statistics.steps[52].value1, 4);
    EXPECT_EQ(statistics.steps[52].cellNbr, 3);
}

TEST(HumanLikeDrivers, LongSolveKeepsCountingWhileTheLogKeepsItsFirstEntries) {
    HeadlessPlatform platform;
    SudokuBoard board(platform);
    board.Initialise(16, 0, "", "", nullptr, 0, 0);
    Script() = {};
    // Single colours first: ten steps of 40 removals each, types I and II alternating.
    for (int i = 0; i < 10; ++i)
        Script().steps[0].push_back({0, i % 2 ? SingleColoursType2 : SingleColoursType1, 40});
    Script().placements[1] = 256;
    RoutineOrder order = ScriptedOrder();
    order[0].technique = SingleColoursType1;
    order[1].technique = SingleInBox;

    SolveStatistics statistics;
    EXPECT_EQ(SolveHumanLike(board, statistics, order), SolutionFound);
    EXPECT_EQ(statistics.callNbr[SingleColoursType1], 5);
    EXPECT_EQ(statistics.callNbr[SingleColoursType2], 5);
    EXPECT_EQ(statistics.callNbr[SingleInBox], 256);
    EXPECT_EQ(statistics.scoreSum, 10 * 24 + 256);
    EXPECT_EQ(board.score, (10 * 24 + 256) * 100 / 256);

    EXPECT_EQ(statistics.stepNbr, kStepLogCapacity);
    const StepLogEntry& colours = statistics.steps[9];
    EXPECT_EQ(colours.techniqueId, SingleColoursType2);
    EXPECT_EQ(colours.cellNbr, kStepLogCellCapacity);
    EXPECT_EQ(colours.cellColumn[31], 31 % 16 + 1);
    EXPECT_EQ(colours.cellRow[31], 31 / 16 + 1);
    EXPECT_EQ(statistics.steps[255].techniqueId, SingleInBox);
    EXPECT_EQ(statistics.steps[255].cellNbr, 1);
}

TEST(HumanLikeDrivers, ProgressiveRepeatsARoutineAndWeighsOnlyTheSimplerOnes) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kHalfBoard);
    board->solutionNbr = 7;
    board->statistics.stepNbr = 5;
    Script() = {};
    Script().placements[0] = 2;
    Script().steps[3] = {{}, {}, {}};
    // A unique-rectangle success that reports neither type does not send the driver back.
    Script().steps[26] = {{UnknownTechnique, 0, 0}, {UnknownTechnique, 0, 0}};
    Script().steps[27] = {{XWings, 0, 2}, {XWings, 0, 2}};

    SolveStatistics statistics;
    EXPECT_EQ(SolveProgressive(*board, statistics, ScriptedOrder()), NoSolutionFound);

    EXPECT_EQ(Script().calls, Join({{0, 0, 0, 0},
                                    Positions(1, 3),
                                    {3, 3, 3},
                                    Positions(0, 26),
                                    {26, 26, 27, 27, 27},
                                    Positions(0, 31)}));
    EXPECT_EQ(statistics.callNbr[SingleInBox], 2);
    EXPECT_EQ(statistics.callNbr[HiddenSingleInRow], 3);
    EXPECT_EQ(statistics.callNbr[UniqueRectangleType1] + statistics.callNbr[UniqueRectangleType2],
              2);
    EXPECT_EQ(statistics.callNbr[XWings], 2);
    EXPECT_EQ(statistics.scoreSum, 2 * 1 + 3 * 3 + 2 * 10);
    EXPECT_EQ(board->givenNbr, 2);
    EXPECT_EQ(board->score, (2 + 9 + 20) * 100 / 2);
    EXPECT_EQ(statistics.stepNbr, 0);
    EXPECT_EQ(statistics.newData, 0);
    EXPECT_EQ(board->solutionNbr, 7);
}

TEST(HumanLikeDrivers, ProgressiveRestartsAfterAUniqueRectangle) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kHalfBoard);
    Script() = {};
    Script().steps[26] = {{UniqueRectangleType2, 0, 1}};
    SolveStatistics statistics;
    SolveProgressive(*board, statistics, ScriptedOrder());
    EXPECT_EQ(Script().calls, Join({Positions(0, 26), {26}, Positions(0, 31)}));
    EXPECT_EQ(statistics.callNbr[UniqueRectangleType2], 1);
    EXPECT_EQ(statistics.scoreSum, 10);
}

// Every step places a value of weight 1 (Single in a Box, Row or Column).
const char kSinglesBoard[] =
    "53..7...."
    "6..195..."
    ".98....6."
    "8...6...3"
    "4..8.3..1"
    "7...2...6"
    ".6....28."
    "...419..5"
    "....8..79";
const char kSinglesSolution[] =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

TEST(HumanLikeDrivers, BoardOfSinglesScoresOneHundredAndLogsEachPlacement) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kSinglesBoard);
    SolveStatistics statistics;
    ASSERT_EQ(SolveHumanLike(*board, statistics), SolutionFound);
    EXPECT_EQ(BoardText(*board), kSinglesSolution);
    EXPECT_EQ(board->givenNbr, 51);
    EXPECT_EQ(statistics.scoreSum, 51);
    EXPECT_EQ(board->score, 100);
    ASSERT_EQ(statistics.stepNbr, 51);
    for (int i = 0; i < statistics.stepNbr; ++i) {
        const StepLogEntry& entry = statistics.steps[i];
        EXPECT_LE(entry.techniqueId, SingleInColumn);
        ASSERT_EQ(entry.cellNbr, 1);
        EXPECT_EQ(entry.value1, board->Cell(entry.cellColumn[0] - 1, entry.cellRow[0] - 1).value);
        EXPECT_EQ(board->Cell(entry.cellColumn[0] - 1, entry.cellRow[0] - 1).type, Given);
    }

    // The progressive driver reaches the same grid and the same score.
    SolveStatistics progressive;
    ASSERT_EQ(SolveProgressive(*board, progressive), SolutionFound);
    EXPECT_EQ(BoardText(*board), kSinglesSolution);
    EXPECT_EQ(board->score, 100);
}

// "Easter Monster": beyond every technique but the guess.
const char kGuessingBoard[] =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";

TEST(HumanLikeDrivers, BoardBeyondTheTechniquesNeedsBothGuessConditions) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kGuessingBoard);
    const std::string clues = BoardText(*board);
    SolveStatistics statistics;

    // No solution known yet.
    EXPECT_EQ(SolveHumanLike(*board, statistics), NoSolutionFound);
    EXPECT_GT(board->emptyNbr, 0);
    EXPECT_EQ(statistics.callNbr[BruteForceGuess], 0);

    ASSERT_EQ(board->SolveBruteForce(1), SolutionFound);
    const std::string solution = BoardText(*board);
    board->allowBruteForceTech = 0;
    EXPECT_EQ(SolveHumanLike(*board, statistics), NoSolutionFound);
    EXPECT_GT(board->emptyNbr, 0);

    board->allowBruteForceTech = 1;
    EXPECT_EQ(SolveHumanLike(*board, statistics), SolutionFound);
    EXPECT_EQ(BoardText(*board), solution);
    EXPECT_GT(statistics.callNbr[BruteForceGuess], 0);

    board->ClearGivens();
    EXPECT_EQ(BoardText(*board), clues);
}

TEST(HumanLikeDrivers, BoardOfCluesOnlyScoresZero) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kSinglesSolution);
    SolveStatistics statistics;
    EXPECT_EQ(SolveHumanLike(*board, statistics), SolutionFound);
    EXPECT_EQ(board->score, 0);
    EXPECT_EQ(statistics.stepNbr, 0);
}
}  // namespace
