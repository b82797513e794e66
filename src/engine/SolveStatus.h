#pragma once

#include <cstdint>

enum SolveStatus : std::int32_t {
    SolutionFound = 0,
    ZeroCellFound = 1,
    NoSolutionFound = 3,
    TooManySolutions = 5,
    SolvingAborted = 6,
};

// The status texts, all 18 characters, indexed by status value 0..6.
inline constexpr const char* kSolveStatusTexts[7] = {
    "Solution Found    ", "Zero-Cell Found   ", "No Solution Found ", "No Solution Found ",
    "No Solution Found ", "Too Many Solutions", "Solving Aborted   ",
};

// The programmatic names used by raruduz-cli, indexed like kSolveStatusTexts.
inline constexpr const char* kSolveStatusNames[7] = {
    "SolutionFound",   "ZeroCellFound",    "NoSolutionFound", "NoSolutionFound",
    "NoSolutionFound", "TooManySolutions", "SolvingAborted",
};
