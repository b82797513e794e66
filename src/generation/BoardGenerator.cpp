#include "generation/BoardGenerator.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "engine/SudokuBoard.h"

namespace {
// A row's four constraint columns come in a fixed order (cell, box, row, column), so a column
// sits at the same position j among the links of each of its rows, and the other three links
// of those rows are the ones listed for j.
constexpr int kOtherLinks[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}};

// Eight column states side by side, compared at once (a GCC and Clang vector extension): a
// comparison gives each lane all ones or zero.
constexpr int kStateLanes = 8;
using StateLanes = std::int16_t __attribute__((vector_size(2 * kStateLanes)));

StateLanes LoadStates(const std::int16_t* states) {
    StateLanes lanes;
    std::memcpy(&lanes, states, sizeof lanes);
    return lanes;
}

// A comparison narrowed to a byte a lane, as one word.
std::uint64_t LaneWord(StateLanes holds) {
    using ByteLanes = std::int8_t __attribute__((vector_size(kStateLanes)));
    const ByteLanes bytes = __builtin_convertvector(holds, ByteLanes);
    std::uint64_t word;
    std::memcpy(&word, &bytes, sizeof word);
    return word;
}

// The first lane of a comparison that holds, or kStateLanes for none.
int FirstLane(StateLanes holds) {
    const std::uint64_t word = LaneWord(holds);
    if (word == 0) return kStateLanes;
    return (std::endian::native == std::endian::little ? std::countr_zero(word)
                                                       : std::countl_zero(word)) /
           8;
}

// How many lanes of a comparison hold.
int LaneCount(StateLanes holds) {
    return std::popcount(LaneWord(holds)) / 8;
}
}  // namespace

int BoardGenerator::StateSlots() const {
    return (columnCount_ + kStateLanes) / kStateLanes * kStateLanes;
}

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
        rowLinks_.assign(rowCount_ + 1, {});
        columnRows_.assign(columnSlots * size_, 0);
        freeRows_.assign(columnSlots, 0);
        columnState_.assign(StateSlots(), kCovered);
        blockedRows_.assign(cellCount_ + 2, 0);
        boxMates_.assign(rowCount_ + 1, 0);
        grid_.assign(cellCount_ + 1, 0);
        order_.assign(cellCount_ + 1, 0);
        chosenColumn_.assign(columnSlots, 0);
        firstAtMostOne_.assign(columnSlots, 0);
        tryIndex_.assign(columnSlots, 0);
        mask_.assign(columnSlots, 0);
        // The ties are listed writing one past the last.
        ties_.assign(StateSlots() + 1, 0);
        // Depths run to N x N + 1: one past a full grid is where a count search backtracks.
        stamp_.assign((cellCount_ + 2) * columnSlots, 0);
        nodeCost_.assign(bucketCount_ * columnSlots, NodeCost{});
        touchedCost_.assign(bucketCount_ * columnSlots, 0);
        touchedCostNbr_ = 0;
        costedColumns_.assign(bucketCount_, 0);
        clueRowBlocked_.assign(rowCount_ + 1, 0);
        clueFreeRows_.assign(columnSlots, 0);
        clueColumnState_.assign(StateSlots(), kCovered);
        coveredGrid_.assign(cellCount_ + 1, 0);
        changedCells_.assign(cellCount_, 0);
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
            for (int d = 1; d <= n; ++d) {
                ++m;
                const int columns[4] = {(r - 1) * n + k,
                                        nn + (((r - 1) / b) * b + (k - 1) / b) * n + d,
                                        2 * nn + (r - 1) * n + d, 3 * nn + (k - 1) * n + d};
                for (int j = 0; j < 4; ++j) {
                    const int column = columns[j];
                    rowLinks_[m][j] = {static_cast<std::int16_t>(column),
                                       static_cast<std::uint16_t>(1u << filled[column])};
                    columnRows_[column * n + filled[column]++] = static_cast<std::int16_t>(m);
                }
                // Constraint (r, d) lists its rows by the column of their cell, constraint (k, d)
                // by the row: the cells of this box are a run of b in each.
                const std::uint64_t run = fullMask(b);
                boxMates_[m] = run << ((k - 1) / b * b) << 32 | run << ((r - 1) / b * b) << 48;
            }
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
    std::copy(clueFreeRows_.begin(), clueFreeRows_.end(), freeRows_.begin());
    std::copy(clueColumnState_.begin(), clueColumnState_.end(), columnState_.begin());
    deadEnd_ = false;
    forcedColumn_ = 0;
    solutionCount_ = 0;
    depth_ = clueCount_;
    firstAtMostOne_[depth_] = 0;

    for (;;) {
        // Descend.
        ++depth_;
        tryIndex_[depth_] = 0;
        bool backtrack = depth_ > cellCount_ || deadEnd_;
        if (!backtrack && forcedColumn_ != 0) {
            chosenColumn_[depth_] = forcedColumn_;
            firstAtMostOne_[depth_] = 0;
        } else if (!backtrack) {
            chosenColumn_[depth_] = ChooseColumn();
        }
        for (;;) {
            if (!backtrack) {
                // Try the column's next free row: the lowest free one past those tried.
                const std::int32_t column = chosenColumn_[depth_];
                std::int32_t& index = tryIndex_[depth_];
                const std::uint32_t untried = freeRows_[column] & (~0u << index);
                if (untried != 0) {
                    index = std::countr_zero(untried) + 1;
                    const int row = ColumnRows(column)[index - 1];
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
            // a dead end) credits the column that depth chose last time: the learned costs,
            // and so the puzzles of a seed, depend on it.
            CreditNodeCost(chosenColumn_[depth_]);
            --depth_;
            if (depth_ <= clueCount_) return solutionCount_;
            Unplace(ColumnRows(chosenColumn_[depth_])[tryIndex_[depth_] - 1]);
            backtrack = false;
        }
    }
}

void BoardGenerator::ForgetNodeCosts() {
    for (int i = 0; i < touchedCostNbr_; ++i) nodeCost_[touchedCost_[i]] = NodeCost{};
    touchedCostNbr_ = 0;
    std::fill(costedColumns_.begin(), costedColumns_.end(), 0);
}

// Credits the nodes spent below this depth's choice to its column.
void BoardGenerator::CreditNodeCost(int column) {
    const std::size_t slot = (depth_ / 16) * static_cast<std::size_t>(columnCount_ + 1) + column;
    NodeCost& cost = nodeCost_[slot];
    if (cost.visits == 0) {
        touchedCost_[touchedCostNbr_++] = static_cast<std::int32_t>(slot);
        ++costedColumns_[depth_ / 16];
    }
    cost.sum += nodeCounter_ - stamp_[depth_ * static_cast<std::size_t>(columnCount_ + 1) + column];
    ++cost.visits;
}

bool BoardGenerator::UpdateClueCover() {
    if (!clueCoverValid_) {
        std::fill(clueRowBlocked_.begin(), clueRowBlocked_.end(), 0);
        std::fill(clueFreeRows_.begin(), clueFreeRows_.end(),
                  static_cast<std::uint16_t>(fullMask(size_)));
        std::fill(clueColumnState_.begin() + 1, clueColumnState_.begin() + columnCount_ + 1,
                  static_cast<std::int16_t>(size_));
        std::fill(coveredGrid_.begin(), coveredGrid_.end(), 0);
        clueTotal_ = 0;
        clueCoverValid_ = true;
    }
    // Between two searches of a removal pass only a cell or two change: list them without a
    // branch per cell.
    int changedNbr = 0;
    for (int cell = 1; cell <= cellCount_; ++cell) {
        changedCells_[changedNbr] = cell;
        changedNbr += grid_[cell] != coveredGrid_[cell];
    }
    // Clues that went away first, so that a digit that moved is never seen twice.
    for (int i = 0; i < changedNbr; ++i) {
        const int cell = changedCells_[i];
        const std::int32_t covered = coveredGrid_[cell];
        if (covered == 0) continue;
        UncoverClue(cell, covered);
        coveredGrid_[cell] = 0;
        --clueTotal_;
    }
    for (int i = 0; i < changedNbr; ++i) {
        const int cell = changedCells_[i];
        const std::int32_t digit = grid_[cell];
        if (digit == 0) continue;
        if (digit < 1 || digit > size_ || !CoverClue(cell, digit)) {
            clueCoverValid_ = false;
            return false;
        }
        coveredGrid_[cell] = digit;
        ++clueTotal_;
    }
    return true;
}

// A clue's column blocks the rows no other clue blocks yet, which are exactly its free rows:
// every row's bit stands in each of its columns while no clue blocks it.
bool BoardGenerator::CoverClue(int cell, int digit) {
    for (const RowLink& link : rowLinks_[(cell - 1) * size_ + digit]) {
        if (clueColumnState_[link.column] >= kCovered) return false;
        clueColumnState_[link.column] += kCovered;
        const std::int16_t* rows = ColumnRows(link.column);
        for (int i = 0; i < size_; ++i) ++clueRowBlocked_[rows[i]];
        for (std::uint32_t blocked = clueFreeRows_[link.column]; blocked != 0;
             blocked &= blocked - 1)
            for (const RowLink& other : rowLinks_[rows[std::countr_zero(blocked)]]) {
                clueFreeRows_[other.column] &= ~other.bit;
                --clueColumnState_[other.column];
            }
    }
    return true;
}

void BoardGenerator::UncoverClue(int cell, int digit) {
    for (const RowLink& link : rowLinks_[(cell - 1) * size_ + digit]) {
        clueColumnState_[link.column] -= kCovered;
        const std::int16_t* rows = ColumnRows(link.column);
        std::uint32_t freed = 0;
        for (int i = 0; i < size_; ++i)
            freed |= static_cast<std::uint32_t>(--clueRowBlocked_[rows[i]] == 0) << i;
        for (; freed != 0; freed &= freed - 1)
            for (const RowLink& other : rowLinks_[rows[std::countr_zero(freed)]]) {
                clueFreeRows_[other.column] |= other.bit;
                ++clueColumnState_[other.column];
            }
    }
}

// The first open column in ascending order with at most one free row; else, among the open
// columns with the fewest free rows, a random one or a cheaper one the learning tables know.
int BoardGenerator::ChooseColumn() {
    // Most choices end at an open column with at most one free row, so those are looked for
    // first, eight states at a time.
    // When the depth above chose, no such column lay before firstAtMostOne_ of it; its
    // placement forced nothing, so it made no new one, and the search starts there.
    const std::int16_t* states = columnState_.data();
    const int slots = StateSlots();
    int& firstFound = firstAtMostOne_[depth_];
    for (int first = firstAtMostOne_[depth_ - 1] / kStateLanes * kStateLanes; first < slots;
         first += kStateLanes) {
        const StateLanes below = LoadStates(states + first) < 2;
        if (const int lane = FirstLane(below); lane < kStateLanes) return firstFound = first + lane;
    }
    firstFound = slots;
    // None: the columns with the fewest free rows, in ascending order. That is two free rows
    // far more often than not, so those are counted first and the least is only looked for
    // when none has two. Ties are spread at random: they are counted eight at a time, and
    // only the drawn one is looked for, unless the learned costs want them all. Slot 0 and the
    // padding are covered, so they never tie.
    int min = 2;
    const auto countTies = [&] {
        // A lane of a comparison that holds is all ones: minus one to its tally.
        StateLanes tally = {};
        for (int first = 0; first < slots; first += kStateLanes)
            tally += LoadStates(states + first) == static_cast<std::int16_t>(min);
        int count = 0;
        for (int lane = 0; lane < kStateLanes; ++lane) count -= tally[lane];
        return count;
    };
    int tieCount = countTies();
    if (tieCount == 0) {
        min = kCovered;
        for (int column = 1; column <= columnCount_; ++column)
            min = std::min(min, static_cast<int>(states[column]));
        tieCount = countTies();
    }
    const int j = RandomIndex(tieCount);
    const auto tied = static_cast<std::int16_t>(min);
    if (costedColumns_[depth_ / 16] == 0) {
        int left = j;
        for (int first = 0;; first += kStateLanes) {
            const int here = LaneCount(LoadStates(states + first) == tied);
            if (left > here) {
                left -= here;
                continue;
            }
            for (int column = first;; ++column)
                if (states[column] == min && --left == 0) return column;
        }
    }
    std::int32_t* next = ties_.data() + 1;
    for (int column = 1; column <= columnCount_; ++column) {
        *next = column;
        next += states[column] == min;
    }
    int chosen = ties_[j];

    // Prefer the tied column whose choices were cheapest so far at this depth range.
    std::int64_t best = 99;
    const NodeCost* line = &nodeCost_[(depth_ / 16) * static_cast<std::size_t>(columnCount_ + 1)];
    const auto prefer = [&](int from, int to) {
        for (int position = from; position <= to; ++position) {
            const std::int32_t column = ties_[position];
            const NodeCost& cost = line[column];
            if (cost.sum < cost.visits * best) {
                best = cost.sum / cost.visits;
                chosen = column;
            }
        }
    };
    // From the drawn tie round to the one before it.
    prefer(j, tieCount);
    prefer(1, j - 1);
    return chosen;
}

// Covers the row's columns and blocks their free rows, column after column in the row's order
// and rows in ascending order, taking each off its three other columns. Every open column that
// loses a free row is checked as it loses it, and the last one to fall to at most one free row
// becomes the forced choice. Only open columns are worth the work, as nothing reads a covered
// column until Unplace opens it again, and by then its rows are free again: so a blocked row is
// not taken off the column that blocks it, and the placed row, whose four columns are all
// covered now, is left alone.
//
// The rows to block are all known before any is blocked, 16 bits to a column (blockedRows_):
// the box constraint blocks first the rows it shares with the row and column constraints, so
// those are left out of theirs (boxMates_), and no other two of the four columns share a row
// but the placed one.
void BoardGenerator::Place(int row) {
    if (mode_ == FillSearch) {
        const int n = size_;
        const int r = (row - 1) / cellCount_ + 1;
        const int k = ((row - 1) % cellCount_) / n + 1;
        grid_[(r - 1) * n + k] = (row - 1) % n + 1;
    }
    std::uint16_t* freeRows = freeRows_.data();
    std::int16_t* state = columnState_.data();
    const std::array<RowLink, 4>& links = rowLinks_[row];
    const std::int16_t* rows[4];
    std::uint64_t blocked = 0;
    for (int j = 0; j < 4; ++j) {
        state[links[j].column] += kCovered;
        rows[j] = ColumnRows(links[j].column);
        blocked |=
            std::uint64_t{static_cast<std::uint16_t>(freeRows[links[j].column] & ~links[j].bit)}
            << (16 * j);
    }
    blocked &= ~boxMates_[row];
    blockedRows_[depth_] = blocked;
    bool dead = false;
    int forced = 0;
    for (; blocked != 0; blocked &= blocked - 1) {
        const int at = std::countr_zero(blocked);
        const int j = at / 16;
        const std::array<RowLink, 4>& others = rowLinks_[rows[j][at % 16]];
        for (const int k : kOtherLinks[j]) {
            // Read once: the 16-bit writes below could otherwise be taken to change it.
            const int column = others[k].column;
            freeRows[column] &= ~others[k].bit;
            const int left = --state[column];
            dead |= left < 1;
            forced = left < 2 ? column : forced;
        }
    }
    deadEnd_ = dead;
    forcedColumn_ = forced;
    ++nodeCounter_;
    stamp_[depth_ * static_cast<std::size_t>(columnCount_ + 1) + chosenColumn_[depth_]] =
        nodeCounter_;
}

void BoardGenerator::Unplace(int row) {
    std::uint16_t* freeRows = freeRows_.data();
    std::int16_t* state = columnState_.data();
    const std::array<RowLink, 4>& links = rowLinks_[row];
    for (std::uint64_t blocked = blockedRows_[depth_]; blocked != 0; blocked &= blocked - 1) {
        const int at = std::countr_zero(blocked);
        const int j = at / 16;
        const std::array<RowLink, 4>& others = rowLinks_[ColumnRows(links[j].column)[at % 16]];
        for (const int k : kOtherLinks[j]) {
            freeRows[others[k].column] |= others[k].bit;
            ++state[others[k].column];
        }
    }
    for (const RowLink& link : links) state[link.column] -= kCovered;
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
