#pragma once
// Special generation: generate puzzles one after another and keep those with one solution that
// the step solver finishes using a chosen technique often enough, within a score range. The
// search knows no widgets: the dialog feeds it criteria and shows its rows.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BoardTypes.h"
#include "engine/SolveStatistics.h"
#include "generation/BoardGenerator.h"

class SudokuBoard;

// The choices of "Number of Generation Attempts: ", as listed.
inline constexpr std::array<const char*, 26> kSpecialAttemptTexts = {
    "   1000", "   2000", "   3000", "   4000", "   5000", "  10000", "  15000",
    "  20000", "  25000", "  30000", "  40000", "  50000", "  60000", "  70000",
    "  80000", "  90000", " 100000", " 200000", " 300000", " 400000", " 500000",
    " 600000", " 700000", " 800000", " 900000", "1000000"};
// Items of "Minimum Level: " and "Maximum Level: ".
inline constexpr std::array<const char*, 7> kSpecialLevelTexts = {
    "Unspecified", "Very Easy", "Easy", "Medium", "Hard", "Very hard", "Fiendish"};
// Per level item: the lowest accepted score, and the score limit (excluded).
inline constexpr std::array<std::int32_t, 7> kSpecialMinimumScores = {0,   100, 102, 112,
                                                                      125, 150, 200};
inline constexpr std::array<std::int32_t, 7> kSpecialScoreLimits = {5000, 102, 112, 125,
                                                                    150,  200, 5000};
// Column titles of the result list, in order.
inline constexpr std::array<const char*, 7> kSpecialResultColumns = {
    " Ndx ",         " Attempt Ndx ", " Clues Nbr ", " Tech. Occur. ",
    " Board Level ", " Board Score ", " Board "};

inline constexpr char kSpecialPrepareFailedMessage[] =
    "Unable to Initialize Generator !!! End of Job ...";
inline constexpr char kSpecialImportReadError[] = "Error Getting Board Data !!! End of Job ...";
inline constexpr char kSpecialExportReadError[] =
    "Error Getting Board Data !!! Unable to Export Board to File ....";
inline constexpr char kSpecialCriteriaNote[] =
    "Note: Some combinaisons of criteria may be irrelevant and no board will be generated ";
// The board text of a result row is read with at most this many characters.
inline constexpr std::size_t kSpecialBoardTextLimit = 400;

struct SpecialCriteria {
    std::int32_t techniqueId = 1;
    std::int32_t boardsWanted = 1;
    std::int32_t attempts = 1000;
    std::int32_t minimumScore = 0;
    std::int32_t scoreLimit = 5000;
    std::int32_t minimumOccurrence = 1;
};

// One find, with the result list's columns.
struct SpecialResultRow {
    std::int32_t index = 0;    // 1-based number of the find
    std::int32_t attempt = 0;  // 1-based attempt that produced it
    std::int32_t clueNbr = 0;
    std::int32_t occurrence = 0;  // steps of the chosen technique
    const char* levelText = "";
    std::int32_t score = 0;
    std::string board;  // the puzzle in reading order
};

enum SpecialSortKey : std::int32_t {
    SortByIndex = 0,
    SortByOccurrence = 1,
    SortByScore = 2,
    SortByClues = 3,
};

// Orders the rows by the key's column, ascending or descending; rows with equal keys keep
// their order.
void SortSpecialResults(std::vector<SpecialResultRow>& rows, SpecialSortKey key, bool descending);

// Fills the record from a result row's board text for side size: "1".."9" and "A".."G" give
// clues, any other character an empty cell; one cell per character in reading order. Name
// "Default", empty description, level 0, counts from the cells. 0 for an empty text.
int ReadSpecialResultBoard(std::string_view text, int size, BoardData& target);

// "%d Board%sGenerated ..." for the number found.
std::string SpecialClosingMessage(int found);

class SpecialGeneration {
public:
    explicit SpecialGeneration(Platform& platform) : platform_(platform), generator_(platform) {}

    // Reserves the generator for side size; false after both messages when it cannot.
    bool Prepare(int size);
    // Runs one search on a private board: fills rows() and returns the number found. Before
    // every attempt the search ends if stopRequested is set; then it lets the platform pump its
    // events and calls progress with the attempt's number (a stop requested there ends the
    // search after that attempt). stopRequested is cleared when the search starts.
    int Run(const SpecialCriteria& criteria);

    const std::vector<SpecialResultRow>& rows() const { return rows_; }
    BoardGenerator& generator() { return generator_; }

    std::function<void(int attempt)> progress;
    // Keeps the rows in this order after every find.
    SpecialSortKey sortKey = SortByIndex;
    bool sortDescending = false;
    std::int32_t stopRequested = 0;

private:
    Platform& platform_;
    BoardGenerator generator_;
    SolveStatistics statistics_;
    std::vector<SpecialResultRow> rows_;
    int size_ = 9;
};
