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
    hiddenSingleUnits_ = kAllUnits;
    for (int cell = 0; cell < kCells; ++cell) {
        const Mask mask = candidates[cell] & kFull<N>;
        start_.candidates[cell] = mask;
        if (!filled[cell]) {
            start_.open[cell >> 6] |= std::uint64_t{1} << (cell & 63);
            continue;
        }
        for (int unit : kGeometry<N>.unitsOf[cell]) {
            if (mask == 0 || (start_.placed[unit] & mask))
                hiddenSingleUnits_ &= ~(std::uint64_t{1} << unit);
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
    State state = start_;
    pendingNbr_ = 0;
    changedUnits_ = kAllUnits;
    NodeResult result = Open;
    for (int cell = 0; cell < kCells && result == Open; ++cell) {
        if (!IsOpen(state, cell)) continue;
        if (state.candidates[cell] == 0) result = DeadEnd;
        if (IsSingle(state.candidates[cell]))
            pending_[pendingNbr_++] = static_cast<std::int16_t>(cell);
    }
    if (result == Open) result = Settle(state);
    if (trace_) listener_.TraceNode(result);
    if (result == Solved) {
        ++count_;
        listener_.OnSolution(state.candidates.data());
    } else if (result == Open) {
        Explore(state);
    }
    return count_;
}

template <int N>
bool BitBoardSearch<N>::Tick() {
    if ((nodeNbr_++ % kPumpInterval) == 0 && !listener_.KeepRunning()) stopped_ = true;
    return !stopped_;
}

// Propagates the pending singles, then the hidden singles, to a fixed point.
template <int N>
typename BitBoardSearch<N>::NodeResult BitBoardSearch<N>::Settle(State& state) {
    if (!DrainSingles(state)) return DeadEnd;
    if (!PlaceHiddenSingles(state)) return DeadEnd;
    for (std::uint64_t word : state.open)
        if (word) return Open;
    return Solved;
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
        const std::uint64_t units = changedUnits_ & hiddenSingleUnits_;
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

template <int N>
int BitBoardSearch<N>::ChooseCell(const State& state) const {
    int best = -1, bestNbr = N + 1;
    for (int word = 0; word < static_cast<int>(state.open.size()); ++word)
        for (std::uint64_t bits = state.open[word]; bits; bits &= bits - 1) {
            const int cell = word * 64 + std::countr_zero(bits);
            if (order_ == BranchOrder::ReadingOrder) return cell;
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
void BitBoardSearch<N>::Explore(const State& state) {
    const int cell = ChooseCell(state);
    for (Mask choices = state.candidates[cell]; choices;) {
        const Mask bit = choices & -choices;
        choices ^= bit;
        if (!Tick()) return;
        State child = state;
        pendingNbr_ = 0;
        changedUnits_ = 0;
        const NodeResult result = Assign(child, cell, bit) ? Settle(child) : DeadEnd;
        if (trace_) listener_.TraceNode(result);
        if (result == Solved) {
            ++count_;
            listener_.OnSolution(child.candidates.data());
        } else if (result == Open) {
            Explore(child);
        }
        if (stopped_ || count_ >= limit_) return;
    }
}

template class BitBoardSearch<9>;
template class BitBoardSearch<16>;
