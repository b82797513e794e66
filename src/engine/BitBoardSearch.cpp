#include "engine/BitBoardSearch.h"

#include <bit>

namespace {
// Units (rows, then columns, then boxes) and peers of every cell, in reading order.
template <int N>
struct Geometry {
    static constexpr int kBox = N == 9 ? 3 : 4;
    static constexpr int kPeers = 3 * N - 2 * kBox - 1;

    std::array<std::array<std::int16_t, N>, 3 * N> units{};
    std::array<std::array<std::int8_t, 3>, N * N> unitsOf{};
    // The same three units as bits.
    std::array<std::uint64_t, N * N> unitBits{};
    std::array<std::array<std::int16_t, kPeers>, N * N> peers{};

    static constexpr int BoxOf(int cell) { return (cell / N) / kBox * kBox + (cell % N) / kBox; }

    constexpr Geometry() {
        std::array<int, 3 * N> filled{};
        for (int cell = 0; cell < N * N; ++cell) {
            const int unitIds[3] = {cell / N, N + cell % N, 2 * N + BoxOf(cell)};
            for (int k = 0; k < 3; ++k) {
                unitsOf[cell][k] = static_cast<std::int8_t>(unitIds[k]);
                unitBits[cell] |= std::uint64_t{1} << unitIds[k];
                units[unitIds[k]][filled[unitIds[k]]++] = static_cast<std::int16_t>(cell);
            }
            int peerNbr = 0;
            for (int other = 0; other < N * N; ++other)
                if (other != cell &&
                    (other / N == cell / N || other % N == cell % N || BoxOf(other) == BoxOf(cell)))
                    peers[cell][peerNbr++] = static_cast<std::int16_t>(other);
        }
    }
};

template <int N>
constexpr Geometry<N> kGeometry{};

template <int N>
constexpr std::uint16_t kFull = static_cast<std::uint16_t>((1u << N) - 1u);

// Box/line reduction and the pruning by matchings pay for themselves on 16 x 16 boards, whose
// searches are deep and where a contradiction that singles see late can hide a large region
// without solutions; on 9 x 9 boards the singles already settle nearly everything and they only
// cost time.
template <int N>
constexpr bool kStrongPropagation = N == 16;

// Without a popcount instruction in the baseline instruction set, std::popcount is a library
// call; these are the hot tests, done with plain arithmetic.
constexpr bool IsSingle(std::uint32_t mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}
constexpr int CountBits(std::uint32_t mask) {
    mask = mask - ((mask >> 1) & 0x5555u);
    mask = (mask & 0x3333u) + ((mask >> 2) & 0x3333u);
    mask = (mask + (mask >> 4)) & 0x0F0Fu;
    return static_cast<int>((mask + (mask >> 8)) & 0x1Fu);
}
static_assert(CountBits(0xFFFFu) == 16 && CountBits(0x1FFu) == 9 && CountBits(0x8001u) == 2);
}  // namespace

template <int N>
void BitBoardSearch<N>::Load(const Mask* candidates, const bool* filled) {
    start_ = State{};
    completeUnits_ = kAllUnits;
    for (int cell = 0; cell < kCells; ++cell) {
        const Mask mask = candidates[cell] & kFull<N>;
        start_.candidates[cell] = mask;
        if (!filled[cell]) {
            start_.open[cell >> 6] |= std::uint64_t{1} << (cell & 63);
            continue;
        }
        for (int unit : kGeometry<N>.unitsOf[cell]) {
            if (mask == 0 || (start_.placed[unit] & mask))
                completeUnits_ &= ~(std::uint64_t{1} << unit);
            start_.placed[unit] |= mask;
        }
    }
}

template <int N>
int BitBoardSearch<N>::Run(BranchOrder order, int limit) {
    order_ = order;
    limit_ = limit;
    count_ = 0;
    stopped_ = false;
    nodeNbr_ = 0;
    if (!Tick()) return 0;
    State state;
    const NodeResult result = Start(state);
    if (trace_) listener_.TraceNode(result);
    if (result == Solved) {
        ++count_;
        listener_.OnSolution(state.candidates.data());
    } else if (result == Open) {
        Explore(state,
                order == BranchOrder::ReadingOrder ? FirstOpenCell(state) : ChooseCell(state));
    }
    return count_;
}

// The starting point with its singles settled.
template <int N>
typename BitBoardSearch<N>::NodeResult BitBoardSearch<N>::Start(State& state) {
    state = start_;
    pendingNbr_ = 0;
    changedUnits_ = kAllUnits;
    unmatchedUnits_ = kAllUnits;
    for (int cell = 0; cell < kCells; ++cell) {
        if (!IsOpen(state, cell)) continue;
        if (state.candidates[cell] == 0) return DeadEnd;
        if (IsSingle(state.candidates[cell]))
            pending_[pendingNbr_++] = static_cast<std::int16_t>(cell);
    }
    return Settle(state);
}

template <int N>
bool BitBoardSearch<N>::Tick() {
    if ((nodeNbr_++ % kPumpInterval) == 0 && !listener_.KeepRunning()) stopped_ = true;
    return !stopped_;
}

// Propagates the pending singles, the hidden singles and (where it pays) box/line reductions to
// a fixed point.
template <int N>
typename BitBoardSearch<N>::NodeResult BitBoardSearch<N>::Settle(State& state) {
    for (bool reduced = true; reduced;) {
        if (!DrainSingles(state) || !PlaceHiddenSingles(state)) return DeadEnd;
        reduced = false;
        if (kStrongPropagation<N> && (!ReduceIntersections(state, reduced) ||
                                      (!reduced && !PruneByMatchings(state, reduced))))
            return DeadEnd;
    }
    for (std::uint64_t word : state.open)
        if (word) return Open;
    return Solved;
}

// The child of state with bit placed in cell, settled.
template <int N>
typename BitBoardSearch<N>::NodeResult BitBoardSearch<N>::Child(const State& state, int cell,
                                                                Mask bit, State& child) {
    child = state;
    pendingNbr_ = 0;
    changedUnits_ = 0;
    unmatchedUnits_ = 0;
    return Assign(child, cell, bit) ? Settle(child) : DeadEnd;
}

// Places bit in the cell and takes it from the peers; false when a peer is left with nothing.
template <int N>
bool BitBoardSearch<N>::Assign(State& state, int cell, Mask bit) {
    state.open[cell >> 6] &= ~(std::uint64_t{1} << (cell & 63));
    state.candidates[cell] = bit;
    changedUnits_ |= kGeometry<N>.unitBits[cell];
    for (int unit : kGeometry<N>.unitsOf[cell]) state.placed[unit] |= bit;
    std::uint64_t changed = 0;
    for (int peer : kGeometry<N>.peers[cell]) {
        const Mask before = state.candidates[peer];
        const Mask after = before & ~bit;
        state.candidates[peer] = after;
        // Written without branches, so that the one branch is rarely taken: when the peer had
        // the value and is left with one candidate or none.
        const std::uint64_t hit = 0 - static_cast<std::uint64_t>((before & bit) != 0);
        changed |= kGeometry<N>.unitBits[peer] & hit;
        if (((after & (after - 1)) | (~before & bit)) == 0) {
            if (after == 0) return false;
            pending_[pendingNbr_++] = static_cast<std::int16_t>(peer);
        }
    }
    changedUnits_ |= changed;
    if constexpr (kStrongPropagation<N>) unmatchedUnits_ |= changed | kGeometry<N>.unitBits[cell];
    return true;
}

// Every unit that must hold each value once gives each of its cells its own value among its
// candidates: a perfect matching of cells to values. A unit without one is a contradiction (some k
// cells share fewer than k values), and a candidate that no such matching uses can go (it belongs
// to a set of values that other cells need among themselves): what singles find only far deeper, if
// at all before a large region without solutions is searched. Candidate v of cell p is used by some
// matching when p is v's cell in the matching found, or when the cell matched to v can hand its
// value on, along cells that each take the value of the next, back to p. Only the units whose
// candidates changed since they were last matched are looked at again.
template <int N>
bool BitBoardSearch<N>::PruneByMatchings(State& state, bool& changed) {
    const std::uint64_t before = changedUnits_;
    changedUnits_ = 0;
    while (const std::uint64_t units = unmatchedUnits_ & completeUnits_) {
        const int unit = std::countr_zero(units);
        unmatchedUnits_ &= ~(std::uint64_t{1} << unit);
        const auto& cells = kGeometry<N>.units[unit];
        // cellOf[v]: the position in the unit of the cell that value v is matched to.
        std::array<std::int8_t, N> cellOf;
        cellOf.fill(-1);
        for (int position = 0; position < N; ++position) {
            Mask seen = 0;
            if (!Augment(state, cells, position, cellOf, seen)) return false;
        }
        // reaches[p]: the positions whose values the cell at p can take over, directly or along
        // a chain of cells.
        std::array<std::uint32_t, N> reaches{};
        for (int position = 0; position < N; ++position)
            for (Mask choices = state.candidates[cells[position]]; choices; choices &= choices - 1)
                reaches[position] |= 1u << cellOf[std::countr_zero(choices)];
        for (int via = 0; via < N; ++via)
            for (std::uint32_t& reach : reaches)
                if ((reach >> via) & 1u) reach |= reaches[via];
        for (int position = 0; position < N; ++position) {
            Mask unused = 0;
            for (Mask choices = state.candidates[cells[position]]; choices;
                 choices &= choices - 1) {
                const int value = std::countr_zero(choices);
                const int holder = cellOf[value];
                if (holder != position && !((reaches[holder] >> position) & 1u))
                    unused |= static_cast<Mask>(1u << value);
            }
            if (unused && !Eliminate(state, cells[position], unused)) return false;
        }
    }
    changed = changedUnits_ != 0;
    changedUnits_ |= before;
    return true;
}

// Finds a value for the cell at position, moving cells matched earlier to other values of theirs
// where needed; seen holds the values already tried on this path.
template <int N>
bool BitBoardSearch<N>::Augment(const State& state, const std::array<std::int16_t, N>& cells,
                                int position, std::array<std::int8_t, N>& cellOf,
                                Mask& seen) const {
    for (Mask choices = state.candidates[cells[position]] & ~seen; choices;
         choices &= choices - 1) {
        const int value = std::countr_zero(choices);
        seen |= static_cast<Mask>(1u << value);
        if (cellOf[value] == -1 || Augment(state, cells, cellOf[value], cellOf, seen)) {
            cellOf[value] = static_cast<std::int8_t>(position);
            return true;
        }
    }
    return false;
}

// Takes bits from an open cell; false when it is left with nothing.
template <int N>
bool BitBoardSearch<N>::Eliminate(State& state, int cell, Mask bits) {
    const Mask before = state.candidates[cell];
    if (!IsOpen(state, cell) || !(before & bits)) return true;
    const Mask after = before & ~bits;
    state.candidates[cell] = after;
    changedUnits_ |= kGeometry<N>.unitBits[cell];
    unmatchedUnits_ |= kGeometry<N>.unitBits[cell];
    if (after == 0) return false;
    if (IsSingle(after)) pending_[pendingNbr_++] = static_cast<std::int16_t>(cell);
    return true;
}

template <int N>
bool BitBoardSearch<N>::DrainSingles(State& state) {
    while (pendingNbr_ > 0) {
        const int cell = pending_[--pendingNbr_];
        if (IsOpen(state, cell) && !Assign(state, cell, state.candidates[cell])) {
            pendingNbr_ = 0;
            return false;
        }
    }
    return true;
}

// A value that fits in only one open cell of a unit goes there; a unit where some value fits
// nowhere is a dead end. Only the units whose candidates changed since they were last looked at
// are looked at again.
template <int N>
bool BitBoardSearch<N>::PlaceHiddenSingles(State& state) {
    for (;;) {
        const std::uint64_t units = changedUnits_ & completeUnits_;
        if (!units) return true;
        const int unit = std::countr_zero(units);
        changedUnits_ &= ~(std::uint64_t{1} << unit);
        const auto& cells = kGeometry<N>.units[unit];
        Mask once = 0, twice = 0;
        for (int cell : cells) {
            twice |= once & state.candidates[cell];
            once |= state.candidates[cell];
        }
        if (once != kFull<N>) return false;
        Mask singles = once & ~twice & ~state.placed[unit];
        while (singles) {
            const Mask bit = singles & -singles;
            singles ^= bit;
            if (state.placed[unit] & bit) continue;  // placed meanwhile by a drained single
            int home = -1;
            for (int cell : cells)
                if (state.candidates[cell] & bit) home = cell;
            if (home == -1 || !Assign(state, home, bit) || !DrainSingles(state)) return false;
        }
    }
}

// Box/line reduction: a value that a box keeps to one of its rows (or columns) leaves the rest of
// that line, and a value that a line keeps to one box leaves the rest of that box. Each applies
// only where the unit that confines the value must hold it. changed tells whether a candidate
// went; false when a cell is left with nothing.
template <int N>
bool BitBoardSearch<N>::ReduceIntersections(State& state, bool& changed) {
    constexpr int kBox = Geometry<N>::kBox;
    const std::uint64_t before = changedUnits_;
    changedUnits_ = 0;
    for (int across = 0; across < 2; ++across) {
        // The line through (line, position) is a row when across is 0, a column when it is 1.
        const auto cellAt = [across](int line, int position) {
            return across == 0 ? line * N + position : position * N + line;
        };
        // segments[line][k]: the candidates of the line's cells in its k-th box.
        std::array<std::array<Mask, kBox>, N> segments{};
        for (int line = 0; line < N; ++line)
            for (int position = 0; position < N; ++position)
                segments[line][position / kBox] |= state.candidates[cellAt(line, position)];
        for (int line = 0; line < N; ++line)
            for (int k = 0; k < kBox; ++k) {
                const int band = line / kBox * kBox;
                const int box = 2 * N + (across == 0 ? band + k : k * kBox + band / kBox);
                const int lineUnit = across * N + line;
                Mask restOfLine = 0, restOfBox = 0;
                for (int other = 0; other < kBox; ++other) {
                    if (other != k) restOfLine |= segments[line][other];
                    if (band + other != line) restOfBox |= segments[band + other][k];
                }
                const Mask segment = segments[line][k];
                Mask pointing = segment & ~restOfBox & ~state.placed[box] & restOfLine;
                Mask claiming = segment & ~restOfLine & ~state.placed[lineUnit] & restOfBox;
                if (!((completeUnits_ >> box) & 1u)) pointing = 0;
                if (!((completeUnits_ >> lineUnit) & 1u)) claiming = 0;
                if (pointing)
                    for (int position = 0; position < N; ++position)
                        if (position / kBox != k &&
                            !Eliminate(state, cellAt(line, position), pointing))
                            return false;
                if (claiming)
                    for (int other = band; other < band + kBox; ++other)
                        if (other != line)
                            for (int position = k * kBox; position < (k + 1) * kBox; ++position)
                                if (!Eliminate(state, cellAt(other, position), claiming))
                                    return false;
                if (pointing | claiming) {
                    // Later segments must see the reduced candidates.
                    for (int l = 0; l < N; ++l) {
                        segments[l].fill(0);
                        for (int position = 0; position < N; ++position)
                            segments[l][position / kBox] |= state.candidates[cellAt(l, position)];
                    }
                }
            }
    }
    changed = changedUnits_ != 0;
    changedUnits_ |= before;
    return true;
}

// The open cell with the fewest candidates.
template <int N>
int BitBoardSearch<N>::ChooseCell(const State& state) const {
    int best = -1, bestNbr = N + 1;
    for (int word = 0; word < static_cast<int>(state.open.size()); ++word)
        for (std::uint64_t bits = state.open[word]; bits; bits &= bits - 1) {
            const int cell = word * 64 + std::countr_zero(bits);
            const int nbr = CountBits(state.candidates[cell]);
            if (nbr < bestNbr) {
                best = cell;
                bestNbr = nbr;
                if (nbr <= 2) return best;
            }
        }
    return best;
}

template <int N>
int BitBoardSearch<N>::FirstOpenCell(const State& state) {
    for (int word = 0;; ++word)
        if (state.open[word]) return word * 64 + std::countr_zero(state.open[word]);
}

// Tries each candidate of the cell in increasing order.
template <int N>
void BitBoardSearch<N>::Explore(const State& state, int cell) {
    for (Mask choices = state.candidates[cell]; choices;) {
        const Mask bit = choices & -choices;
        choices ^= bit;
        if (!Tick()) return;
        State child;
        const NodeResult result = Child(state, cell, bit, child);
        if (trace_) listener_.TraceNode(result);
        if (result == Solved) {
            ++count_;
            listener_.OnSolution(child.candidates.data());
        } else if (result == Open) {
            Explore(child,
                    order_ == BranchOrder::ReadingOrder ? FirstOpenCell(child) : ChooseCell(child));
        }
        if (stopped_ || count_ >= limit_) return;
    }
}

template class BitBoardSearch<9>;
template class BitBoardSearch<16>;
