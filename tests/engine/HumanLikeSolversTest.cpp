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

// Whole boards through both drivers, with and without the guess, run in the human-solve scenario;
// here scripted routines pin the drivers' order, counts and weights.
TEST(HumanLikeDrivers, IterativeCountsWeighsAndLogsEachStepThenRestarts) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kHalfBoard);
    ASSERT_EQ(board->emptyNbr, 51);
    board->solutionNbr = 7;
    Script() = {};
    Script().placements[0] = 51;
    Script().steps[26] = {{UniqueRectangleType1, 0}};
    Script().steps[27] = {{XWings, 3}};

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
    EXPECT_EQ(statistics.steps[0].techniqueId, SingleInBox);
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
        Script().steps[0].push_back({i % 2 ? SingleColoursType2 : SingleColoursType1, 40});
    Script().placements[1] = 256;
    RoutineOrder order = ScriptedOrder();
    order[1] = order[0];
    order[1].find = ScriptedOrder()[1].find;
    order[0] = kDriverOrder[29];
    order[0].find = ScriptedOrder()[0].find;

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

TEST(HumanLikeDrivers, SolveWithoutLogTakesTheSameStepsAndScore) {
    HeadlessPlatform platform;
    const auto puzzles = ReadPuzzleLines(std::string(RARUDUZ_TEST_DATA) + "/top95_sample.txt", 20);
    ASSERT_GE(puzzles.size(), 10u);
    SolveStatistics logged, unlogged;
    for (const std::string& puzzle : puzzles) {
        auto withLog = MakeBoard(platform, puzzle);
        auto withoutLog = MakeBoard(platform, puzzle);
        EXPECT_EQ(SolveHumanLike(*withLog, logged),
                  SolveHumanLikeWithoutLog(*withoutLog, unlogged));
        EXPECT_EQ(BoardText(*withLog), BoardText(*withoutLog)) << puzzle;
        EXPECT_EQ(logged.callNbr, unlogged.callNbr) << puzzle;
        EXPECT_EQ(withLog->score, withoutLog->score) << puzzle;
        EXPECT_GT(logged.stepNbr, 0);
        EXPECT_EQ(unlogged.stepNbr, 0);
    }
}

TEST(HumanLikeDrivers, ProgressiveRepeatsARoutineAndWeighsOnlyTheSimplerOnes) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kHalfBoard);
    board->solutionNbr = 7;
    board->statistics.stepNbr = 5;
    Script() = {};
    Script().placements[0] = 2;
    Script().steps[3] = {{HiddenSingleInRow, 0}, {HiddenSingleInRow, 0}, {HiddenSingleInRow, 0}};
    // A unique-rectangle success that reports neither type does not send the driver back.
    Script().steps[26] = {{UnknownTechnique, 0}, {UnknownTechnique, 0}};
    Script().steps[27] = {{XWings, 2}, {XWings, 2}};

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
    Script().steps[26] = {{UniqueRectangleType2, 1}};
    SolveStatistics statistics;
    SolveProgressive(*board, statistics, ScriptedOrder());
    EXPECT_EQ(Script().calls, Join({Positions(0, 26), {26}, Positions(0, 31)}));
    EXPECT_EQ(statistics.callNbr[UniqueRectangleType2], 1);
    EXPECT_EQ(statistics.scoreSum, 10);
}

}  // namespace
