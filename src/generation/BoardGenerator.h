#pragma once
// The random puzzle generator: an exact-cover search over constraint columns fills an empty grid
// with a random solution, then clues are removed in a random order while the solution stays
// unique. Counts stand in for linked lists: covering a column only touches its rows and their
// columns. Every table is reserved by prepare() and reused by every generation.

#include <array>
#include <cstdint>
#include <vector>

#include "generation/GenerationStyle.h"
#include "platform/Platform.h"

class SudokuBoard;

enum GeneratorSearchMode : std::int32_t { FillSearch = 1, CountSearch = 2 };

inline constexpr char kGeneratorMemoryMessage[] =
    "Not Enough Memory to Generate Board !!! End of Job ...";

class BoardGenerator {
public:
    explicit BoardGenerator(Platform& platform) : platform_(platform) {}

    // Sizes every table for side 9 or 16 (any other side counts as 9). False, after telling the
    // user, when the memory cannot be reserved.
    bool prepare(int size);
    // One puzzle of the given side and style into grid(); re-prepares when the side differs.
    // Style 0 removes single clues, style 1 pairs symmetric about the centre, any other none.
    void generate(int size, int style);
    // FillSearch writes the first solution into the grid and returns 1; CountSearch returns 0, 1
    // or 2 (two or more). -1 when two clues claim the same constraint.
    int search(GeneratorSearchMode mode);

    int size() const { return size_; }
    int cellCount() const { return cellCount_; }
    // Cell (row r, column k), both 1-based, is entry (r - 1) * N + k; 0 empty, else the digit.
    std::int32_t gridCell(int cell) const { return grid_[cell]; }
    void setGridCell(int cell, std::int32_t digit) { grid_[cell] = digit; }
    void clearGrid();
    // The clue counter as the last removal pass left it.
    std::int32_t clueCount() const { return clueCount_; }

    // The random state, seeded from 36 / 52 and perturbed by the clock at every generation.
    std::uint32_t randX = 36;
    std::uint32_t randY = 52;

private:
    std::uint32_t Draw();
    // A random index in 1..n.
    int RandomIndex(int n);
    // Brings the cover of the grid's clues up to date with the cells changed since the last
    // search. Every entry is a count, so the order of the changes does not matter and the state
    // equals one built from scratch. False when two clues claim the same constraint.
    bool UpdateClueCover();
    bool CoverClue(int cell, int digit);
    void UncoverClue(int cell, int digit);
    int ChooseColumn();
    void Place(int row);
    void Cover(int column);
    void Uncover(int column);
    void RemoveClues(int style);

    Platform& platform_;
    int boxSide_ = 0;
    int size_ = 0;
    int cellCount_ = 0;
    int clueFloor_ = 140;
    int rowCount_ = 0;
    int columnCount_ = 0;
    int bucketCount_ = 0;

    // rowColumns_[m]: the four constraint columns of matrix row m (row 0 has none).
    std::vector<std::array<std::int32_t, 4>> rowColumns_;
    // columnRows_[col * kColumnStride + i], i = 1..columnSize_[col]: the rows of the column.
    static constexpr int kColumnStride = 17;
    std::vector<std::int32_t> columnRows_;
    std::vector<std::int32_t> columnSize_;
    std::vector<std::int32_t> rowBlocked_;
    std::vector<std::int32_t> columnCovered_;
    std::vector<std::int32_t> columnFree_;
    std::vector<std::int32_t> grid_;
    std::vector<std::int32_t> order_;
    std::vector<std::int32_t> chosenColumn_;
    std::vector<std::int32_t> tryIndex_;
    std::vector<std::int32_t> mask_;
    std::vector<std::int32_t> ties_;
    // The state the clues alone give, kept between searches (removal changes one or two cells
    // at a time), and the grid it was made for.
    std::vector<std::int32_t> clueRowBlocked_;
    std::vector<std::int32_t> clueColumnCovered_;
    std::vector<std::int32_t> clueColumnFree_;
    std::vector<std::int32_t> coveredGrid_;
    std::int32_t clueTotal_ = 0;
    bool clueCoverValid_ = false;
    // Learning tables, one line of columnCount + 1 slots per depth (stamp) or depth bucket.
    std::vector<std::uint32_t> stamp_;
    std::vector<std::int64_t> nodeSum_;
    std::vector<std::int64_t> nodeVisits_;

    // Placements over the object's life; wraps, and only differences of it are used.
    std::uint32_t nodeCounter_ = 0;
    std::int32_t clueCount_ = 0;
    std::int32_t solutionCount_ = 0;
    std::int32_t depth_ = 0;
    std::int32_t deadColumn_ = 0;
    std::int32_t forcedColumn_ = 0;
    GeneratorSearchMode mode_ = FillSearch;
};

// Makes the board the generator's puzzle: digits become clues, the other cells empty (type Given,
// as the generator leaves them), then candidates and counts are brought up to date. The board
// must already have the generator's side.
void LoadGeneratedGrid(const BoardGenerator& generator, SudokuBoard& board);
