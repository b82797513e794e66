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
    try {
        rowColumns_.assign(rowCount_ + 1, {0, 0, 0, 0});
        columnRows_.assign(columnSlots * kColumnStride, 0);
        columnSize_.assign(columnSlots, 0);
        rowBlocked_.assign(rowCount_ + 1, 0);
        columnCovered_.assign(columnSlots, 0);
        columnFree_.assign(columnSlots, 0);
        grid_.assign(cellCount_ + 1, 0);
        order_.assign(cellCount_ + 1, 0);
        chosenColumn_.assign(columnSlots, 0);
        tryIndex_.assign(columnSlots, 0);
        mask_.assign(columnSlots, 0);
        ties_.assign(columnSlots, 0);
        // Depths run to N x N + 1: one past a full grid is where a count search backtracks.
        stamp_.assign((cellCount_ + 2) * columnSlots, 0);
        nodeSum_.assign(bucketCount_ * columnSlots, 0);
        nodeVisits_.assign(bucketCount_ * columnSlots, 0);
        clueRowBlocked_.assign(rowCount_ + 1, 0);
        clueColumnCovered_.assign(columnSlots, 0);
        clueColumnFree_.assign(columnSlots, 0);
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
    int m = 0;
    for (int r = 1; r <= n; ++r)
        for (int k = 1; k <= n; ++k)
            for (int d = 1; d <= n; ++d)
                rowColumns_[++m] = {(r - 1) * n + k, nn + (((r - 1) / b) * b + (k - 1) / b) * n + d,
                                    2 * nn + (r - 1) * n + d, 3 * nn + (k - 1) * n + d};
    std::fill(columnSize_.begin(), columnSize_.end(), 0);
    for (m = 1; m <= rowCount_; ++m)
        for (const std::int32_t column : rowColumns_[m])
            columnRows_[column * kColumnStride + ++columnSize_[column]] = m;
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
    std::fill(nodeSum_.begin(), nodeSum_.end(), 0);
    std::fill(nodeVisits_.begin(), nodeVisits_.end(), 0);
    if (!UpdateClueCover()) return -1;
    clueCount_ = clueTotal_;
    std::copy(clueRowBlocked_.begin(), clueRowBlocked_.end(), rowBlocked_.begin());
    std::copy(clueColumnCovered_.begin(), clueColumnCovered_.end(), columnCovered_.begin());
    std::copy(clueColumnFree_.begin(), clueColumnFree_.end(), columnFree_.begin());
    deadColumn_ = forcedColumn_ = 0;
    solutionCount_ = 0;
    depth_ = clueCount_;

    const std::size_t columnSlots = columnCount_ + 1;
    for (;;) {
        // Descend.
        ++depth_;
        tryIndex_[depth_] = 0;
        bool backtrack = depth_ > cellCount_ || deadColumn_ != 0;
        if (!backtrack) chosenColumn_[depth_] = forcedColumn_ != 0 ? forcedColumn_ : ChooseColumn();
        for (;;) {
            if (!backtrack) {
                // Try the column's next free row.
                const std::int32_t column = chosenColumn_[depth_];
                std::int32_t& index = tryIndex_[depth_];
                int row = 0;
                while (++index <= columnSize_[column]) {
                    const std::int32_t candidate = columnRows_[column * kColumnStride + index];
                    if (rowBlocked_[candidate] == 0) {
                        row = candidate;
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
            // Backtrack: credit the nodes spent below this choice to its column.
            const std::int32_t column = chosenColumn_[depth_];
            const std::size_t slot = (depth_ / 16) * columnSlots + column;
            nodeSum_[slot] += nodeCounter_ - stamp_[depth_ * columnSlots + column];
            ++nodeVisits_[slot];
            --depth_;
            if (depth_ <= clueCount_) return solutionCount_;
            const std::int32_t row =
                columnRows_[chosenColumn_[depth_] * kColumnStride + tryIndex_[depth_]];
            for (const std::int32_t covered : rowColumns_[row]) Uncover(covered);
            backtrack = false;
        }
    }
}

bool BoardGenerator::UpdateClueCover() {
    if (!clueCoverValid_) {
        std::fill(clueRowBlocked_.begin(), clueRowBlocked_.end(), 0);
        std::fill(clueColumnCovered_.begin(), clueColumnCovered_.end(), 0);
        std::copy(columnSize_.begin(), columnSize_.end(), clueColumnFree_.begin());
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
    for (const std::int32_t column : rowColumns_[(cell - 1) * size_ + digit]) {
        if (clueColumnCovered_[column] != 0) return false;
        clueColumnCovered_[column] = 1;
        for (int i = 1; i <= columnSize_[column]; ++i) {
            const std::int32_t row = columnRows_[column * kColumnStride + i];
            if (++clueRowBlocked_[row] == 1)
                for (const std::int32_t other : rowColumns_[row]) --clueColumnFree_[other];
        }
    }
    return true;
}

void BoardGenerator::UncoverClue(int cell, int digit) {
    for (const std::int32_t column : rowColumns_[(cell - 1) * size_ + digit]) {
        clueColumnCovered_[column] = 0;
        for (int i = 1; i <= columnSize_[column]; ++i) {
            const std::int32_t row = columnRows_[column * kColumnStride + i];
            if (--clueRowBlocked_[row] == 0)
                for (const std::int32_t other : rowColumns_[row]) ++clueColumnFree_[other];
        }
    }
}

int BoardGenerator::ChooseColumn() {
    int min = rowCount_ + 1;
    int tieCount = 0;
    int chosen = 0;
    for (int column = 1; column <= columnCount_; ++column) {
        if (columnCovered_[column] != 0) continue;
        const int free = columnFree_[column];
        if (free > min) continue;
        ties_[++tieCount] = column;
        if (free < min) {
            min = free;
            chosen = column;
            ties_[1] = column;
            tieCount = 1;
            if (min < 2) return chosen;
        }
    }
    const int j = RandomIndex(tieCount);
    chosen = ties_[j];

    // Prefer the tied column whose choices were cheapest so far at this depth range.
    std::int64_t best = 99;
    const std::size_t line = (depth_ / 16) * static_cast<std::size_t>(columnCount_ + 1);
    for (int step = 0; step < tieCount; ++step) {
        const int position = (j - 1 + step) % tieCount + 1;
        const std::int32_t column = ties_[position];
        const std::int64_t sum = nodeSum_[line + column];
        const std::int64_t visits = nodeVisits_[line + column];
        if (sum < visits * best) {
            best = sum / visits;
            chosen = column;
        }
    }
    return chosen;
}

void BoardGenerator::Place(int row) {
    deadColumn_ = forcedColumn_ = 0;
    if (mode_ == FillSearch) {
        const int n = size_;
        const int r = (row - 1) / cellCount_ + 1;
        const int k = ((row - 1) % cellCount_) / n + 1;
        grid_[(r - 1) * n + k] = (row - 1) % n + 1;
    }
    for (const std::int32_t column : rowColumns_[row]) ++columnCovered_[column];
    for (const std::int32_t column : rowColumns_[row]) Cover(column);
    ++nodeCounter_;
    stamp_[depth_ * static_cast<std::size_t>(columnCount_ + 1) + chosenColumn_[depth_]] =
        nodeCounter_;
}

void BoardGenerator::Cover(int column) {
    const std::int32_t* rows = &columnRows_[column * kColumnStride];
    for (int i = 1; i <= columnSize_[column]; ++i) {
        const std::int32_t row = rows[i];
        if (++rowBlocked_[row] != 1) continue;
        for (const std::int32_t other : rowColumns_[row]) {
            --columnFree_[other];
            if (columnCovered_[other] + columnFree_[other] < 1) deadColumn_ = other;
            if (columnCovered_[other] == 0 && columnFree_[other] < 2) forcedColumn_ = other;
        }
    }
}

void BoardGenerator::Uncover(int column) {
    --columnCovered_[column];
    const std::int32_t* rows = &columnRows_[column * kColumnStride];
    for (int i = 1; i <= columnSize_[column]; ++i) {
        const std::int32_t row = rows[i];
        if (rowBlocked_[row]-- != 1) continue;
        for (const std::int32_t other : rowColumns_[row]) ++columnFree_[other];
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
