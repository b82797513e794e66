#pragma once
// The boards of a puzzle sheet: every board of a text file, read as the import reads it, rated as
// generation rates, and solved by the exhaustive solver for the solution pages; with the titles
// printed above the boards and their solutions.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"

class Platform;

enum class SheetSolution { None, Unique, OneOfSeveral };

struct SheetBoard {
    int number = 0;  // its place among the boards of the file, from 1
    // The clues as read, the rating's level and score, and in the solution grid the exhaustive
    // solver's (first) solution.
    BoardData record;
    SheetSolution solution = SheetSolution::None;
};

// Reads, rates and solves every board of file; the import's messages go to the platform. Empty
// when the file cannot be read or holds no board.
std::vector<SheetBoard> ReadSheetBoards(Platform& platform, const std::filesystem::path& file);

// The solution as a board to draw: the clues stay clues, the rest are givens. The clues alone
// when there is no solution.
BoardData SolutionBoard(const SheetBoard& board);

// "Board 3   Level: Hard   Score: 131".
std::string SheetBoardTitle(const SheetBoard& board);
// "Solution 3", "Solution 3   (One of Several)" or "Solution 3   No Solution".
std::string SheetSolutionTitle(const SheetBoard& board);
// The title of the window's board on paper: "NAME   Level: Hard   Score: 131".
std::string PrintedBoardTitle(const BoardData& board);
