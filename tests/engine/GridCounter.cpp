#include "GridCounter.h"

#include <algorithm>

namespace {
class Counter {
public:
    Counter(int n, long limit, long nodeBudget) : n_(n), limit_(limit), budget_(nodeBudget) {
        const int box = n == 16 ? 4 : 3;
        for (int unit = 0; unit < 3 * n; ++unit) {
            std::vector<int>& cells = units_.emplace_back();
            const int k = unit % n;
            for (int i = 0; i < n; ++i) {
                if (unit < n)
                    cells.push_back(k * n + i);
                else if (unit < 2 * n)
                    cells.push_back(i * n + k);
                else
                    cells.push_back((k / box * box + i / box) * n + k % box * box + i % box);
            }
        }
    }

    void Search(std::vector<int> grid) {
        if (result.count >= limit_ || !result.finished) return;
        if (--budget_ < 0) {
            result.finished = false;
            return;
        }
        std::vector<unsigned> candidates;
        if (!Propagate(grid, candidates)) return;
        // The narrowest choice: (cell, value) pairs of the cell or unit value with fewest.
        std::vector<std::pair<int, int>> best;
        for (int cell = 0; cell < n_ * n_; ++cell)
            if (grid[cell] == 0 && (best.empty() || Bits(candidates[cell]) < best.size())) {
                best.clear();
                for (int v = 1; v <= n_; ++v)
                    if (candidates[cell] >> v & 1) best.emplace_back(cell, v);
            }
        if (best.empty()) {
            ++result.count;
            return;
        }
        for (int unit = 0; unit < 3 * n_; ++unit)
            for (int v = 1; v <= n_; ++v) {
                std::vector<std::pair<int, int>> places;
                for (int cell : UnitCells(unit))
                    if (grid[cell] == 0 && (candidates[cell] >> v & 1))
                        places.emplace_back(cell, v);
                if (!places.empty() && places.size() < best.size()) best = places;
            }
        for (const auto& [cell, v] : best) {
            grid[cell] = v;
            Search(grid);
            grid[cell] = 0;
        }
    }

    CountResult result;

private:
    static unsigned Bits(unsigned mask) { return static_cast<unsigned>(__builtin_popcount(mask)); }

    const std::vector<int>& UnitCells(int unit) const { return units_[unit]; }

    // Fills naked and hidden singles and drops the candidates that no matching of a unit's open
    // cells to its missing values uses; false on a contradiction.
    bool Propagate(std::vector<int>& grid, std::vector<unsigned>& candidates) const {
        std::vector<unsigned> dropped(n_ * n_, 0);
        for (bool placed = true; placed;) {
            placed = false;
            candidates.assign(n_ * n_, 0);
            const unsigned full = ((1u << n_) - 1) << 1;
            for (int cell = 0; cell < n_ * n_; ++cell)
                if (grid[cell] == 0) candidates[cell] = full & ~dropped[cell];
            for (int unit = 0; unit < 3 * n_; ++unit) {
                unsigned used = 0;
                for (int cell : UnitCells(unit)) {
                    const unsigned bit = grid[cell] ? 1u << grid[cell] : 0;
                    if (used & bit) return false;
                    used |= bit;
                }
                for (int cell : UnitCells(unit)) candidates[cell] &= ~used;
            }
            for (int cell = 0; cell < n_ * n_ && !placed; ++cell)
                if (grid[cell] == 0) {
                    if (candidates[cell] == 0) return false;
                    if (Bits(candidates[cell]) == 1) {
                        grid[cell] = __builtin_ctz(candidates[cell]);
                        placed = true;
                    }
                }
            for (int unit = 0; unit < 3 * n_ && !placed; ++unit) {
                const std::vector<int>& cells = UnitCells(unit);
                if (!PruneByMatching(grid, candidates, cells, dropped, placed)) return false;
                for (int v = 1; v <= n_ && !placed; ++v) {
                    int places = 0, home = -1;
                    bool present = false;
                    for (int cell : cells) {
                        present |= grid[cell] == v;
                        if (grid[cell] == 0 && (candidates[cell] >> v & 1)) ++places, home = cell;
                    }
                    if (present) continue;
                    if (places == 0) return false;
                    if (places == 1) {
                        grid[home] = v;
                        placed = true;
                    }
                }
            }
        }
        return true;
    }

    // Matches the unit's open cells to their own missing values (false when that cannot be done),
    // then drops each candidate (cell, v) where the cell holding v cannot pass it on, through
    // cells taking each other's values, back to the cell: no matching uses it.
    bool PruneByMatching(const std::vector<int>& grid, const std::vector<unsigned>& candidates,
                         const std::vector<int>& cells, std::vector<unsigned>& dropped,
                         bool& changed) const {
        std::vector<int> owner(n_ + 1, -1);
        for (int cell : cells) {
            if (grid[cell] != 0) continue;
            std::vector<bool> tried(n_ + 1, false);
            if (!Claim(cell, candidates, owner, tried)) return false;
        }
        std::vector<int> open;
        for (int cell : cells)
            if (grid[cell] == 0) open.push_back(cell);
        // passes[a][b]: the cell open[a] can reach open[b] along such a chain.
        const std::size_t m = open.size();
        std::vector<std::vector<bool>> passes(m, std::vector<bool>(m, false));
        const auto indexOf = [&](int cell) {
            return static_cast<std::size_t>(std::find(open.begin(), open.end(), cell) -
                                            open.begin());
        };
        for (std::size_t a = 0; a < m; ++a)
            for (int v = 1; v <= n_; ++v)
                if (candidates[open[a]] >> v & 1) passes[a][indexOf(owner[v])] = true;
        for (std::size_t via = 0; via < m; ++via)
            for (std::size_t a = 0; a < m; ++a)
                if (passes[a][via])
                    for (std::size_t b = 0; b < m; ++b)
                        if (passes[via][b]) passes[a][b] = true;
        for (std::size_t a = 0; a < m; ++a)
            for (int v = 1; v <= n_; ++v) {
                const std::size_t holder = indexOf(owner[v]);
                if ((candidates[open[a]] >> v & 1) && holder != a && !passes[holder][a]) {
                    dropped[open[a]] |= 1u << v;
                    changed = true;
                }
            }
        return true;
    }
    bool Claim(int cell, const std::vector<unsigned>& candidates, std::vector<int>& owner,
               std::vector<bool>& tried) const {
        for (int v = 1; v <= n_; ++v)
            if ((candidates[cell] >> v & 1) && !tried[v]) {
                tried[v] = true;
                if (owner[v] == -1 || Claim(owner[v], candidates, owner, tried)) {
                    owner[v] = cell;
                    return true;
                }
            }
        return false;
    }

    int n_;
    long limit_, budget_;
    std::vector<std::vector<int>> units_;
};
}  // namespace

CountResult CountCompletions(const std::vector<int>& grid, int n, long limit, long nodeBudget) {
    Counter counter(n, limit, nodeBudget);
    counter.Search(grid);
    return counter.result;
}

CountResult CountSolutionsBelow(const std::vector<int>& puzzle, const std::vector<int>& solution,
                                int n, long limit, long nodeBudget) {
    CountResult total;
    std::vector<int> prefix = puzzle;
    for (int cell = 0; cell < n * n && total.count < limit; ++cell) {
        if (puzzle[cell] == 0)
            for (int v = 1; v < solution[cell] && total.count < limit; ++v) {
                prefix[cell] = v;
                const CountResult part =
                    CountCompletions(prefix, n, limit - total.count, nodeBudget);
                total.count += part.count;
                total.finished &= part.finished;
            }
        prefix[cell] = solution[cell];
    }
    return total;
}
