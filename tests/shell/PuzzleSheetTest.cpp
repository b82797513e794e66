#include "shell/PuzzleSheet.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestSupport.h"

TEST(PuzzleSheet, BoardsAreNumberedRatedAndSolved) {
    HeadlessPlatform platform;
    const std::vector<SheetBoard> boards =
        ReadSheetBoards(platform, RARUDUZ_TEST_DATA "/sheet_boards.txt");
    ASSERT_EQ(boards.size(), 13u);
    EXPECT_TRUE(platform.messages.empty());
    for (std::size_t i = 0; i < boards.size(); ++i) EXPECT_EQ(boards[i].number, int(i) + 1);

    // The rating as raruduz-cli rate gives it; a board the human-like solve gives up on is
    // still solved for the solution pages.
    EXPECT_EQ(SheetBoardTitle(boards[0]), "Board 1   Level: Fiendish   Score: 200");
    EXPECT_EQ(SheetBoardTitle(boards[1]), "Board 2   Level: Unknown   Score: 1150");
    EXPECT_EQ(SheetSolutionTitle(boards[1]), "Solution 2");
    EXPECT_EQ(SheetBoardTitle(boards[12]), "Board 13   Level: Very Easy   Score: 100");

    const SheetBoard& easy = boards[12];
    EXPECT_EQ(easy.solution, SheetSolution::Unique);
    EXPECT_EQ(GridText(9, easy.record.cells), kClassicPuzzle);
    const BoardData solution = SolutionBoard(easy);
    EXPECT_EQ(GridText(9, solution.cells), kClassicSolution);
    EXPECT_EQ(solution.Cell(0, 0).type, Clue);
    EXPECT_EQ(solution.Cell(2, 0).type, Given);
}

TEST(PuzzleSheet, BoardsWithoutOrWithManySolutionsAndFilesWithoutBoards) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "raruduz-sheet-test.txt";
    std::string broken = kClassicPuzzle;
    broken[1] = '5';  // two 5s in the first row
    std::ofstream(file) << broken << '\n'
                        << std::string(kClassicPuzzle).substr(0, 40) + std::string(41, '.') << '\n';
    HeadlessPlatform platform;
    const std::vector<SheetBoard> boards = ReadSheetBoards(platform, file);
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(SheetSolutionTitle(boards[0]), "Solution 1   No Solution");
    EXPECT_EQ(GridText(9, SolutionBoard(boards[0]).cells), broken);
    EXPECT_EQ(SheetSolutionTitle(boards[1]), "Solution 2   (One of Several)");
    EXPECT_EQ(GridText(9, SolutionBoard(boards[1]).cells).find('.'), std::string::npos);

    std::ofstream(file) << "# nothing but a comment\n12345\n";
    EXPECT_TRUE(ReadSheetBoards(platform, file).empty());
    std::filesystem::remove(file);
    EXPECT_TRUE(ReadSheetBoards(platform, file).empty());
    EXPECT_EQ(platform.messages.back(), "Unable to Read Sudoku File " + file.string() + "... ");
}
