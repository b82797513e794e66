#pragma once
// Graded generation: generate a puzzle, rate it, and start again until its score lies in the band
// of the wanted level. The run can be watched and stopped between attempts.

#include <memory>

#include "engine/BoardLevel.h"
#include "engine/RunControl.h"
#include "generation/GenerationStyle.h"

class BoardGenerator;
class Platform;
class SudokuBoard;

inline constexpr char kGeneratedBoardName[] = "No Name";
inline constexpr char kGeneratedBoardDescription[] = "Raruduz Generated Sudoku Board";
inline constexpr char kSixteenBySixteenLevelMessage[] =
    "Raruduz 2.2 is not Optimized to Handle such 16*16 Board !!! \n"
    "This feature will be available in the next releases ...";

// 16 x 16 boards are generated at "Very Easy" (or "Unknown") only.
constexpr bool IsGradedGenerationOffered(int size, int level) {
    return size != 16 || level <= 1;
}

// Makes board a rated puzzle of side size (9 or 16) and style whose score lies in the band of
// level: name "No Name", the generator's clues, the level and score of the rating and its
// solution grid. wordoku is copied into the board's Wordoku flag. control ends the run before
// attempt n when n is past its attempt limit or a stop was requested by the time progress(n)
// returns. False when
// the generator could not reserve its memory (the user has been told) or the run was ended; the
// board is then left as it was.
bool GenerateGradedBoard(SudokuBoard& board, int size, int level, int style, int wordoku,
                         RunControl* control = nullptr);

// The same for a caller that makes several boards: the generator's tables and random stream and
// the board the attempts run on are kept from one board to the next.
class GradedGenerator {
public:
    explicit GradedGenerator(Platform& platform);
    ~GradedGenerator();
    GradedGenerator(const GradedGenerator&) = delete;
    GradedGenerator& operator=(const GradedGenerator&) = delete;

    // See BoardGenerator::prepare.
    bool Prepare(int size);
    bool Generate(SudokuBoard& board, int level, int style, int wordoku,
                  RunControl* control = nullptr);

private:
    std::unique_ptr<BoardGenerator> generator_;
    std::unique_ptr<SudokuBoard> work_;
};
