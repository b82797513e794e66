#include "generation/BoardGenerator.h"

#include <algorithm>
#include <bit>
#include <new>

#include "engine/SudokuBoard.h"

bool BoardGenerator::prepare(int size) {
    size_ = size == 16 ? 16 : 9;
    boxSide_ = size_ == 9 ? 3 : 4;
    cellCount_ = size_ * size_;
    rowCount_ = cellCount_ * size_;
    columnCount_ = 4 * cellCount_;
    bucketCount_ = cellCount_ / 16 + 1;
    const std::size_t columnSlots = columnCount_ + 1;
    // Rows entered so far in each column, while the matrix is built.
    std::vector<int> filled;
    try {
        filled.assign(columnSlots, 0);
        rowColumns_.assign(rowCount_ + 1, {0, 0, 0, 0});
        columnRows_.assign(columnSlots * size_, 0);
        rowBlocked_.assign(rowCount_ + 1, 0);
        columnState_.assign(columnSlots, 0);
        grid_.assign(cellCount_ + 1, 0);
        order_.assign(cellCount_ + 1, 0);
        chosenColumn_.assign(columnSlots, 0);
        tryIndex_.assign(columnSlots, 0);
        mask_.assign(columnSlots, 0);
        ties_.assign(columnSlots, 0);
        // Depths run to N x N + 1: one past a full grid is where a count search backtracks.
        stamp_.assign((cellCount_ + 2) * columnSlots, 0);
        nodeCost_.assign(bucketCount_ * columnSlots, NodeCost{});
        touchedCost_.assign(bucketCount_ * columnSlots, 0);
        touchedCostNbr_ = 0;
        clueRowBlocked_.assign(rowCount_ + 1, 0);
        clueColumnState_.assign(columnSlots, 0);
        coveredGrid_.assign(cellCount_ + 1, 0);
        clueCoverValid_ = false;
    } catch (const std::bad_alloc&) {
        size_ = 0;
        platform_.ShowMessage(kGeneratorMemoryMessage);
        return false;
    }

    for (int n = 1; n <= columnCount_; ++n)
        mask_[n] = static_cast<std::int32_t>(std::bit_ceil(static_cast<std::uint32_t>(n))) - 1;

    // Row m = ((r - 1) * N + (k - 1)) * N + d: digit d in row r, column k.
    const int n = size_, b = boxSide_, nn = cellCount_;
    const auto entry = [](int value) { return static_cast<std::int16_t>(value); };
    int m = 0;
    for (int r = 1; r <= n; ++r)
        for (int k = 1; k <= n; ++k)
            for (int d = 1; d <= n; ++d)
                rowColumns_[++m] = {
                    entry((r - 1) * n + k), entry(nn + (((r - 1) / b) * b + (k - 1) / b) * n + d),
                    entry(2 * nn + (r - 1) * n + d), entry(3 * nn + (k - 1) * n + d)};
    for (m = 1; m <= rowCount_; ++m)
        for (const std::int16_t column : rowColumns_[m])
            columnRows_[column * n + filled[column]++] = entry(m);
    return true;
}

void BoardGenerator::clearGrid() {
    std::fill(grid_.begin(), grid_.end(), 0);
}

std::uint32_t BoardGenerator::Draw() {
    randX = 36969u * (randX & 0xFFFFu) + (randX >> 16);
    randY = 18000u * (randY & 0xFFFFu) + (randY >> 16);
    return randX ^ randY;
}

int BoardGenerator::RandomIndex(int n) {
    std::uint32_t pick;
    do pick = Draw() & static_cast<std::uint32_t>(mask_[n]);
    while (pick >= static_cast<std::uint32_t>(n));
    return static_cast<int>(pick) + 1;
}

void BoardGenerator::generate(int size, int style) {
    if ((size == 16 ? 16 : 9) != size_ && !prepare(size)) return;
    const auto seconds = static_cast<std::uint32_t>(platform_.CalendarSeconds());
    randX += seconds;
    randY ^= seconds;
    std::fill(chosenColumn_.begin(), chosenColumn_.end(), 0);
    std::fill(tryIndex_.begin(), tryIndex_.end(), 0);

    clearGrid();
    search(FillSearch);

    // Inside-out shuffle; the 8-bit mask serves both sides.
    for (int i = 1; i <= cellCount_; ++i) {
        std::uint32_t pick;
        do pick = Draw() & 0xFFu;
        while (pick >= static_cast<std::uint32_t>(i));
        const int j = static_cast<int>(pick) + 1;
        order_[i] = order_[j];
        order_[j] = i;
    }
    RemoveClues(style);
}

void BoardGenerator::RemoveClues(int style) {
    clueCount_ = cellCount_;
    if (style != NonSymmetricalStyle && style != SymmetricalStyle) return;
    for (int i = 1; i <= cellCount_; ++i) {
        const int cell = order_[i];
        if (grid_[cell] == 0) continue;
        const std::int32_t digit = grid_[cell];
        grid_[cell] = 0;
        if (style == NonSymmetricalStyle) {
            if (search(CountSearch) > 1)
                grid_[cell] = digit;
            else
                --clueCount_;
        } else if (search(CountSearch) >= 2) {
            grid_[cell] = digit;
        } else {
            const int partner = cellCount_ + 1 - cell;
            const std::int32_t partnerDigit = grid_[partner];
            grid_[partner] = 0;
            if (search(CountSearch) > 1) {
                grid_[cell] = digit;
                grid_[partner] = partnerDigit;
            } else {
                clueCount_ -= 2;
            }
        }
        if (cellCount_ == 256 && clueCount_ < clueFloor_) break;
    }
}

int BoardGenerator::search(GeneratorSearchMode mode) {
    if (size_ == 0) return -1;
    mode_ = mode;
    ForgetNodeCosts();
    if (!UpdateClueCover()) return -1;
    clueCount_ = clueTotal_;
    std::copy(clueRowBlocked_.begin(), clueRowBlocked_.end(), rowBlocked_.begin());
    std::copy(clueColumnState_.begin(), clueColumnState_.end(), columnState_.begin());
    deadEnd_ = false;
    forcedColumn_ = 0;
    solutionCount_ = 0;
    depth_ = clueCount_;

    for (;;) {
        // Descend.
        ++depth_;
        tryIndex_[depth_] = 0;
        bool backtrack = depth_ > cellCount_ || deadEnd_;
        if (!backtrack) chosenColumn_[depth_] = forcedColumn_ != 0 ? forcedColumn_ : ChooseColumn();
        for (;;) {
            if (!backtrack) {
                // Try the column's next free row.
                const std::int16_t* rows = ColumnRows(chosenColumn_[depth_]);
                std::int32_t& index = tryIndex_[depth_];
                int row = 0;
                while (++index <= size_) {
                    if (rowBlocked_[rows[index - 1]] == 0) {
                        row = rows[index - 1];
                        break;
                    }
                }
                if (row != 0) {
                    Place(row);
                    if (depth_ == cellCount_) {
                        ++solutionCount_;
                        if (mode == FillSearch) return 1;
                    }
                    if (solutionCount_ > 1) return 2;
                    break;
                }
            }
            // Backtrack. A depth left without a choice of its own (past a full grid, or after
            // a dead end) credits the column it last chose, as it always has: the learned
            // costs, and so the puzzles of a seed, depend on it.
            CreditNodeCost(chosenColumn_[depth_]);
            --depth_;
            if (depth_ <= clueCount_) return solutionCount_;
            const std::int32_t row = ColumnRows(chosenColumn_[depth_])[tryIndex_[depth_] - 1];
            for (const std::int16_t covered : rowColumns_[row]) Uncover(covered);
            backtrack = false;
        }
    }
}

void BoardGenerator::ForgetNodeCosts() {
    for (int i = 0; i < touchedCostNbr_; ++i) nodeCost_[touchedCost_[i]] = NodeCost{};
    touchedCostNbr_ = 0;
}

// Credits the nodes spent below this depth's choice to its column.
void BoardGenerator::CreditNodeCost(int column) {
    const std::size_t slot = (depth_ / 16) * static_cast<std::size_t>(columnCount_ + 1) + column;
    NodeCost& cost = nodeCost_[slot];
    if (cost.visits == 0) touchedCost_[touchedCostNbr_++] = static_cast<std::int32_t>(slot);
    cost.sum += nodeCounter_ - stamp_[depth_ * static_cast<std::size_t>(columnCount_ + 1) + column];
    ++cost.visits;
}

bool BoardGenerator::UpdateClueCover() {
    if (!clueCoverValid_) {
        std::fill(clueRowBlocked_.begin(), clueRowBlocked_.end(), 0);
        std::fill(clueColumnState_.begin(), clueColumnState_.end(),
                  static_cast<std::int16_t>(size_));
        std::fill(coveredGrid_.begin(), coveredGrid_.end(), 0);
        clueTotal_ = 0;
        clueCoverValid_ = true;
    }
    // Clues that went away first, so that a digit that moved is never seen twice.
    for (int cell = 1; cell <= cellCount_; ++cell) {
        const std::int32_t covered = coveredGrid_[cell];
        if (covered == 0 || grid_[cell] == covered) continue;
        UncoverClue(cell, covered);
        coveredGrid_[cell] = 0;
        --clueTotal_;
    }
    for (int cell = 1; cell <= cellCount_; ++cell) {
        const std::int32_t digit = grid_[cell];
        if (digit == 0 || digit == coveredGrid_[cell]) continue;
        if (digit < 1 || digit > size_ || !CoverClue(cell, digit)) {
            clueCoverValid_ = false;
            return false;
        }
        coveredGrid_[cell] = digit;
        ++clueTotal_;
    }
    return true;
}

bool BoardGenerator::CoverClue(int cell, int digit) {
    for (const std::int16_t column : rowColumns_[(cell - 1) * size_ + digit]) {
        if (clueColumnState_[column] >= kCovered) return false;
        clueColumnState_[column] += kCovered;
        const std::int16_t* rows = ColumnRows(column);
        for (int i = 0; i < size_; ++i)
            if (++clueRowBlocked_[rows[i]] == 1)
                for (const std::int16_t other : rowColumns_[rows[i]]) --clueColumnState_[other];
    }
    return true;
}

void BoardGenerator::UncoverClue(int cell, int digit) {
    for (const std::int16_t column : rowColumns_[(cell - 1) * size_ + digit]) {
        clueColumnState_[column] -= kCovered;
        const std::int16_t* rows = ColumnRows(column);
        for (int i = 0; i < size_; ++i)
            if (--clueRowBlocked_[rows[i]] == 0)
                for (const std::int16_t other : rowColumns_[rows[i]]) ++clueColumnState_[other];
    }
}

// The first open column in ascending order with at most one free row; else, among the open
// columns with the fewest free rows, a random one or a cheaper one the learning tables know.
int BoardGenerator::ChooseColumn() {
    // Above every open column's state and below every covered one's.
    int min = kCovered - 1;
    int tieCount = 0;
    for (int column = 1; column <= columnCount_; ++column) {
        const int state = columnState_[column];
        if (state > min) continue;
        if (state < min) {
            if (state < 2) return column;
            min = state;
            tieCount = 0;
        }
        ties_[++tieCount] = column;
    }
    const int j = RandomIndex(tieCount);
    int chosen = ties_[j];

    // Prefer the tied column whose choices were cheapest so far at this depth range.
    std::int64_t best = 99;
    const NodeCost* line = &nodeCost_[(depth_ / 16) * static_cast<std::size_t>(columnCount_ + 1)];
    for (int step = 0; step < tieCount; ++step) {
        const int position = (j - 1 + step) % tieCount + 1;
        const std::int32_t column = ties_[position];
        const NodeCost& cost = line[column];
        if (cost.sum < cost.visits * best) {
            best = cost.sum / cost.visits;
            chosen = column;
        }
    }
    return chosen;
}

void BoardGenerator::Place(int row) {
    if (mode_ == FillSearch) {
        const int n = size_;
        const int r = (row - 1) / cellCount_ + 1;
        const int k = ((row - 1) % cellCount_) / n + 1;
        grid_[(r - 1) * n + k] = (row - 1) % n + 1;
    }
    deadEnd_ = false;
    forcedColumn_ = 0;
    for (const std::int16_t column : rowColumns_[row]) columnState_[column] += kCovered;
    for (const std::int16_t column : rowColumns_[row]) Cover(column);
    ++nodeCounter_;
    stamp_[depth_ * static_cast<std::size_t>(columnCount_ + 1) + chosenColumn_[depth_]] =
        nodeCounter_;
}

// Blocks the column's rows. Every open column that loses a free row is checked as it loses it,
// and the last one to fall to at most one free row becomes the forced choice.
void BoardGenerator::Cover(int column) {
    const std::int16_t* rows = ColumnRows(column);
    bool dead = false;
    int forced = forcedColumn_;
    for (int i = 0; i < size_; ++i) {
        const std::int16_t row = rows[i];
        if (++rowBlocked_[row] != 1) continue;
        for (const std::int16_t other : rowColumns_[row]) {
            const int state = --columnState_[other];
            dead |= state < 1;
            forced = state < 2 ? other : forced;
        }
    }
    deadEnd_ = deadEnd_ || dead;
    forcedColumn_ = forced;
}

void BoardGenerator::Uncover(int column) {
    columnState_[column] -= kCovered;
    const std::int16_t* rows = ColumnRows(column);
    for (int i = 0; i < size_; ++i) {
        const std::int16_t row = rows[i];
        if (rowBlocked_[row]-- != 1) continue;
        for (const std::int16_t other : rowColumns_[row]) ++columnState_[other];
    }
}

void LoadGeneratedGrid(const BoardGenerator& generator, SudokuBoard& board) {
    const int n = generator.size();
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column) {
            const std::int32_t digit = generator.gridCell(row * n + column + 1);
            board.Cell(column, row) = digit != 0 ? BoardCell{digit, Clue, bitOf(digit), 1}
                                                 : BoardCell{-1, Given, fullMask(n), n};
        }
    board.RecomputeCandidates();
    board.Recount();
}
