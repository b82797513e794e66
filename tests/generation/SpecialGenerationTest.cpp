#include "generation/SpecialGeneration.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"

namespace {
std::vector<std::int32_t> Column(const std::vector<SpecialResultRow>& rows,
                                 std::int32_t SpecialResultRow::*field) {
    std::vector<std::int32_t> values;
    for (const SpecialResultRow& row : rows) values.push_back(row.*field);
    return values;
}
}  // namespace

// Row figures, seeds, level ranges and closing messages run in the special scenario.
TEST(SpecialGenerationTest, FindsUniqueBoardsWithTheirFigures) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 2024;
    SpecialGeneration search(platform);
    ASSERT_TRUE(search.Prepare(9));
    std::vector<int> reported;
    RunControl control;
    control.progress = [&](int attempt) { reported.push_back(attempt); };

    SpecialCriteria criteria;
    criteria.techniqueId = SingleInBox;
    criteria.boardsWanted = 3;
    ASSERT_EQ(search.Run(criteria, &control), 3);
    EXPECT_EQ(static_cast<int>(reported.size()), search.rows().back().attempt);
    EXPECT_EQ(control.attemptNbr, search.rows().back().attempt);
    for (const SpecialResultRow& row : search.rows()) {
        EXPECT_STREQ(row.levelText, LevelName(LevelForScore(row.score)));
        auto board = MakeBoard(platform, row.board);
        EXPECT_EQ(board->SolveBruteForce(StopAtSecondSolution), SolutionFound);
        EXPECT_EQ(board->solutionNbr, 1);
    }

    // A kept search continues its random stream.
    const std::string first = search.rows()[0].board;
    search.Run(criteria);
    EXPECT_NE(search.rows()[0].board, first);
}

TEST(SpecialGenerationTest, LevelRangeOccurrenceAndAttemptLimitBoundTheSearch) {
    HeadlessPlatform platform;
    platform.fixedCalendarSeconds = 31;
    SpecialGeneration search(platform);
    ASSERT_TRUE(search.Prepare(9));
    int attempts = 0;
    RunControl control;
    control.progress = [&](int attempt) { attempts = attempt; };

    // Contradictory levels find nothing and run every attempt.
    SpecialCriteria contradictory;
    control.attemptLimit = 7;
    contradictory.minimumLevel = Hard;
    contradictory.maximumLevel = Easy;
    EXPECT_EQ(search.Run(contradictory, &control), 0);
    EXPECT_EQ(attempts, 7);
    EXPECT_TRUE(search.rows().empty());

    SpecialCriteria unreachable;
    unreachable.techniqueId = SingleInBox;
    unreachable.minimumOccurrence = 82;
    control.attemptLimit = 3;
    EXPECT_EQ(search.Run(unreachable, &control), 0);
    unreachable.techniqueId = 99;
    unreachable.minimumOccurrence = 1;
    EXPECT_EQ(search.Run(unreachable, &control), 0);
    EXPECT_EQ(attempts, 3);
}

TEST(SpecialGenerationTest, AStopEndsTheSearchBeforeTheNextAttempt) {
    HeadlessPlatform platform;
    SpecialGeneration search(platform);
    ASSERT_TRUE(search.Prepare(9));
    int attempts = 0;
    RunControl control;
    control.attemptLimit = 1000;
    control.progress = [&](int attempt) {
        attempts = attempt;
        control.stopRequested = true;
    };
    SpecialCriteria criteria;
    criteria.techniqueId = UniqueRectangleType3;
    EXPECT_EQ(search.Run(criteria, &control), 0);
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(control.attemptNbr, 1);
    EXPECT_EQ(SpecialClosingMessage(1), "1 Board Generated ...");
    EXPECT_GE(platform.pumpNbr, 1);
}

TEST(SpecialGenerationTest, RowsSortByEveryKeyBothWays) {
    std::vector<SpecialResultRow> rows = {
        {1, 10, 30, 2, "Easy", 105, "a"},
        {2, 20, 25, 5, "Medium", 120, "b"},
        {3, 30, 28, 2, "Very Easy", 100, "c"},
        {4, 40, 25, 9, "Hard", 140, "d"},
    };
    SortSpecialResults(rows, SortByScore, true);
    EXPECT_EQ(Column(rows, &SpecialResultRow::index), (std::vector<std::int32_t>{4, 2, 1, 3}));
    SortSpecialResults(rows, SortByClues, false);
    EXPECT_EQ(Column(rows, &SpecialResultRow::clueNbr),
              (std::vector<std::int32_t>{25, 25, 28, 30}));
    SortSpecialResults(rows, SortByOccurrence, true);
    EXPECT_EQ(Column(rows, &SpecialResultRow::occurrence), (std::vector<std::int32_t>{9, 5, 2, 2}));
    // Equal keys keep their order: 3 came before 1 after the clue sort.
    EXPECT_EQ(Column(rows, &SpecialResultRow::index), (std::vector<std::int32_t>{4, 2, 3, 1}));
    SortSpecialResults(rows, SortByIndex, true);
    EXPECT_EQ(Column(rows, &SpecialResultRow::index), (std::vector<std::int32_t>{4, 3, 2, 1}));
}

TEST(SpecialGenerationTest, AResultRowReadsBackIntoARecord) {
    BoardData record;
    record.name = "Old";
    record.description = "old one";
    record.level = 5;
    record.cells.fill(BoardCell{7, Given, 0, 0});
    const std::string text = "1.3xX" + std::string(75, '.') + "9";
    ASSERT_EQ(ReadSpecialResultBoard(text, 9, record), 1);
    EXPECT_EQ(record.name, "Default");
    EXPECT_EQ(record.level, 0);
    EXPECT_EQ(record.clueNbr, 3);
    EXPECT_EQ(record.emptyNbr, 78);
    EXPECT_EQ(record.Cell(0, 0), (BoardCell{1, Clue, 0, 0}));
    EXPECT_EQ(record.Cell(1, 0), (BoardCell{-1, Empty, 0x1FF, 9}));
    EXPECT_EQ(record.Cell(3, 0), (BoardCell{-1, Empty, 0x1FF, 9}));
    EXPECT_EQ(record.Cell(8, 8).value, 9);

    // A 16 x 16 text uses A..G; a short text leaves the rest empty, symbols above N count empty.
    ASSERT_EQ(ReadSpecialResultBoard("G.A", 16, record), 1);
    EXPECT_EQ(record.Cell(0, 0).value, 16);
    EXPECT_EQ(record.Cell(2, 0).value, 10);
    EXPECT_EQ(record.Cell(15, 15).value, -1);
    EXPECT_EQ(record.emptyNbr, 254);
    ASSERT_EQ(ReadSpecialResultBoard("A5", 9, record), 1);
    EXPECT_EQ(record.Cell(0, 0).value, -1);
    EXPECT_EQ(record.clueNbr, 1);

    EXPECT_EQ(ReadSpecialResultBoard("", 9, record), 0);
    EXPECT_EQ(record.clueNbr, 1);
    EXPECT_EQ(ReadSpecialResultBoard(std::string(1000, '1'), 16, record), 1);
    EXPECT_EQ(record.clueNbr, 256);
}
