#pragma once
// What the side panels show: the texts of "Board Stat.", the technique line of "Hint Data" and
// which page the tab control selects after a change.

#include <string>
#include <string_view>

#include "shell/RaruduzDoc.h"

// The tab pages, in their order.
enum class SidePage { BoardStat = 0, HintData = 1, SolveData = 2 };

// "Solve Data" after a new step log, "Hint Data" while a hint is shown, else "Board Stat.". Read
// it before the "Solve Data" lists are filled: filling clears the new-log flag.
SidePage PageToShow(const CRaruduzDoc& document);

struct BoardStatTexts {
    std::string name;
    std::string description;
    std::string level;
    std::string score;
    int progress = 0;  // the score within the bar's range 0..400
    std::string clues;
    std::string givens;
    std::string empties;
    std::string solved;  // "Solved" or " "
};

inline constexpr int kScoreBarMaximum = 400;

BoardStatTexts BoardStatOf(const SudokuBoard& board);
// How values are written in the texts: empty for digits, else the board's Wordoku letters in
// value order (digits while the board has no N different letters A-Z).
std::string_view DisplayLetters(const CRaruduzDoc& document);
// The technique of the hint shown, or two spaces.
std::string HintTechniqueText(const CRaruduzDoc& document);
