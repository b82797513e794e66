#pragma once
// The difficulty levels and their display names.

#include <array>

inline constexpr std::array<const char*, 7> kBoardLevelNames = {
    "Unknown", "Very Easy", "Easy", "Medium", "Hard", "Very hard", "Fiendish",
};

// "Unknown" for a level outside 0..6.
constexpr const char* BoardLevelName(int level) {
    return level >= 0 && level < static_cast<int>(kBoardLevelNames.size()) ? kBoardLevelNames[level]
                                                                           : kBoardLevelNames[0];
}
