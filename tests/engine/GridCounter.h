#pragma once
// An order-free solution counter written apart from the solver, to check it where its literal
// reference is too slow: plain value grids, candidates recomputed at every node, naked and hidden
// singles, a matching test per unit, and branching on the narrowest choice (a cell's candidates
// or a value's places in a unit). The clues must not repeat a value in a unit.

#include <string>
#include <vector>

struct CountResult {
    long count = 0;
    // False when the node budget ran out; count is then a lower bound.
    bool finished = true;
};

// Counts the completions of grid (n x n values in reading order, 0 for empty), up to limit.
CountResult CountCompletions(const std::vector<int>& grid, int n, long limit, long nodeBudget);

// The number of solutions of the puzzle that come before solution in the lexicographic order of
// the grid read row by row, up to limit; found by counting, for each cell in reading order, the
// completions with the solution's values before it and a smaller value in it.
CountResult CountSolutionsBelow(const std::vector<int>& puzzle, const std::vector<int>& solution,
                                int n, long limit, long nodeBudget);
