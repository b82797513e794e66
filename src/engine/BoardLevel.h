#pragma once
// Difficulty levels: their names and the score band of each. The rating sets a level from the
// score by these bands; graded generation accepts a board whose score lies in the wanted band.

#include <array>
#include <cstdint>

enum BoardLevel : std::int32_t {
    UnknownLevel = 0,
    VeryEasy = 1,
    Easy = 2,
    Medium = 3,
    Hard = 4,
    VeryHard = 5,
    Fiendish = 6,
};

inline constexpr int kBoardLevelCount = 7;

// Indexed by BoardLevel.
inline constexpr std::array<const char*, kBoardLevelCount> kBoardLevelNames = {
    "Unknown", "Very Easy", "Easy", "Medium", "Hard", "Very hard", "Fiendish",
};

// The name of a level read from anywhere; "Unknown" for a value outside 0..6.
constexpr const char* LevelName(int level) {
    return level >= 0 && level < kBoardLevelCount ? kBoardLevelNames[level] : kBoardLevelNames[0];
}

// Scores from lowScore up to, not including, highScore.
struct LevelScoreBand {
    std::int32_t lowScore;
    std::int32_t highScore;
};

// Indexed by BoardLevel: the band a generated board of that level must score in ("Unknown" takes
// any score). The rating only reads the upper ends: a score below 102 is "Very Easy", however low,
// and one of 200 or more is "Fiendish", however high.
inline constexpr std::array<LevelScoreBand, kBoardLevelCount> kLevelScoreBands = {{
    {0, 5000},
    {100, 102},
    {102, 112},
    {112, 125},
    {125, 150},
    {150, 200},
    {200, 5000},
}};

// The level a score gives: the first of "Very Easy" .. "Very hard" whose band ends above it,
// otherwise "Fiendish".
constexpr BoardLevel LevelForScore(int score) {
    for (int level = VeryEasy; level < Fiendish; ++level)
        if (score < kLevelScoreBands[level].highScore) return static_cast<BoardLevel>(level);
    return Fiendish;
}

// The band of a level read from anywhere; that of "Unknown", any score, for a value outside 0..6.
constexpr LevelScoreBand BandOfLevel(int level) {
    return kLevelScoreBands[level >= 0 && level < kBoardLevelCount ? level : UnknownLevel];
}
