#pragma once
// The random puzzle generator: an exact-cover search over constraint columns fills an empty grid
// with a random solution, then clues are removed in a random order while the solution stays
// unique. Bit masks of free rows and their counts stand in for linked lists: covering a column
// only touches its free rows and their columns. Every table is reserved by prepare() and reused
// by every generation.

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
    // A column's state: its free rows, plus kCovered while it is covered. One number answers
    // "open and empty" (< 1) and "open with at most one choice" (< 2), and the choice of a column
    // scans one array. Free rows never exceed 16, so covered columns always sort above open ones.
    static constexpr std::int16_t kCovered = 256;
    // One of a matrix row's four columns, and the row's bit among that column's rows.
    struct RowLink {
        std::int16_t column = 0;
        std::uint16_t bit = 0;
    };
    // Learned cost of choosing a column in a range of 16 depths: nodes spent below it, choices.
    struct NodeCost {
        std::int64_t sum = 0;
        std::int64_t visits = 0;
    };

    std::uint32_t Draw();
    // A random index in 1..n.
    int RandomIndex(int n);
    // Brings the cover of the grid's clues up to date with the cells changed since the last
    // search. Rows count the clue columns that block them, so the order of the changes does not
    // matter and the state equals one built from scratch. False when two clues claim the same
    // constraint.
    bool UpdateClueCover();
    bool CoverClue(int cell, int digit);
    void UncoverClue(int cell, int digit);
    int ChooseColumn();
    void Place(int row);
    // Undoes the Place(row) of the current depth.
    void Unplace(int row);
    void ForgetNodeCosts();
    void CreditNodeCost(int column);
    void RemoveClues(int style);
    // The N rows of a column (every column has exactly N), in ascending order.
    const std::int16_t* ColumnRows(int column) const { return &columnRows_[column * size_]; }
    // Column states are kept in whole groups, compared a group at a time; slot 0 and the
    // padding stay covered.
    int StateSlots() const;

    Platform& platform_;
    int boxSide_ = 0;
    int size_ = 0;
    int cellCount_ = 0;
    int clueFloor_ = 140;
    int rowCount_ = 0;
    int columnCount_ = 0;
    int bucketCount_ = 0;

    // rowLinks_[m]: the four constraint columns of matrix row m (row 0 has none). 16-bit
    // entries keep a 9 x 9 matrix and search state within the first-level cache.
    std::vector<std::array<RowLink, 4>> rowLinks_;
    std::vector<std::int16_t> columnRows_;
    // Each column's free rows, bit i for its row i (see ColumnRows), and its state (kCovered).
    // Exact for every open column; a covered column keeps what it had when covered (Place).
    std::vector<std::uint16_t> freeRows_;
    std::vector<std::int16_t> columnState_;
    // The rows each depth's placement blocked, 16 bits per column of the placed row in its
    // order (bit 16j + i for row i of column j): what Unplace frees again. Searches undo in
    // reverse order, so these are exactly the rows to free.
    std::vector<std::uint64_t> blockedRows_;
    // Per matrix row, in the same layout, the rows of its row and column constraints whose cells
    // lie in its own box: its box constraint blocks those first.
    std::vector<std::uint64_t> boxMates_;
    std::vector<std::int32_t> grid_;
    std::vector<std::int32_t> order_;
    std::vector<std::int32_t> chosenColumn_;
    // Per depth, no open column before this one had at most one free row when the depth chose
    // (0 when that is not known; past the last column when there was none).
    std::vector<std::int32_t> firstAtMostOne_;
    // The 1-based position, among its column's rows, of the row each depth placed last.
    std::vector<std::int32_t> tryIndex_;
    std::vector<std::int32_t> mask_;
    std::vector<std::int32_t> ties_;
    // The state the clues alone give, kept between searches (removal changes one or two cells
    // at a time), and the grid it was made for. Clues come and go in any order, so rows count
    // the covered columns that block them.
    std::vector<std::int16_t> clueRowBlocked_;
    std::vector<std::uint16_t> clueFreeRows_;
    std::vector<std::int16_t> clueColumnState_;
    std::vector<std::int32_t> coveredGrid_;
    std::vector<std::int32_t> changedCells_;
    std::int32_t clueTotal_ = 0;
    bool clueCoverValid_ = false;
    // Learning tables: stamps, one line of columnCount + 1 slots per depth; costs, one line per
    // 16 depths. Costs start at zero in every search; the slots a search wrote are listed so
    // that the next one clears only those.
    std::vector<std::uint32_t> stamp_;
    std::vector<NodeCost> nodeCost_;
    std::vector<std::int32_t> touchedCost_;
    std::int32_t touchedCostNbr_ = 0;
    // Per line of costs, how many columns have one: a line without any has no preference.
    std::vector<std::int32_t> costedColumns_;

    // Placements over the object's life; wraps, and only differences of it are used.
    std::uint32_t nodeCounter_ = 0;
    std::int32_t clueCount_ = 0;
    std::int32_t solutionCount_ = 0;
    std::int32_t depth_ = 0;
    // Set by a placement that leaves an open column without a free row.
    bool deadEnd_ = false;
    // The open column with at most one free row that the last placement touched last, or 0.
    std::int32_t forcedColumn_ = 0;
    GeneratorSearchMode mode_ = FillSearch;
};

// Makes the board the generator's puzzle: digits become clues, the other cells empty (type Given,
// as the generator leaves them), then candidates and counts are brought up to date. The board
// must already have the generator's side.
void LoadGeneratedGrid(const BoardGenerator& generator, SudokuBoard& board);
