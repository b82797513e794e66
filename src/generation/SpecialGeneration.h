#pragma once
// Special generation: generate puzzles one after another and keep those with one solution that
// the step solver finishes using a chosen technique often enough, within a score range. The
// search knows no widgets: the dialog feeds it criteria and shows its rows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/BoardLevel.h"
#include "engine/BoardTypes.h"
#include "engine/RunControl.h"
#include "engine/SolveStatistics.h"
#include "generation/BoardGenerator.h"

class SudokuBoard;

inline constexpr char kSpecialPrepareFailedMessage[] =
    "Unable to Initialize Generator !!! End of Job ...";
// The board text of a result row is read with at most this many characters.
inline constexpr std::size_t kSpecialBoardTextLimit = 400;

// What a find must satisfy. The score must lie from the low end of the minimum level's band up
// to, not including, the high end of the maximum level's band; UnknownLevel bounds nothing.
struct SpecialCriteria {
    std::int32_t techniqueId = 1;
    std::int32_t boardsWanted = 1;
    std::int32_t minimumLevel = UnknownLevel;
    std::int32_t maximumLevel = UnknownLevel;
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
    // Runs one search on a private board: fills rows() and returns the number found. The search
    // makes at most control's attemptLimit attempts (no limit without a control). Before every
    // attempt it ends if a stop was requested; then it lets the platform pump its events and
    // calls progress with the attempt's number (a stop requested there ends the search after
    // that attempt).
    int Run(const SpecialCriteria& criteria, RunControl* control = nullptr);

    const std::vector<SpecialResultRow>& rows() const { return rows_; }
    BoardGenerator& generator() { return generator_; }

    // Keeps the rows in this order after every find.
    SpecialSortKey sortKey = SortByIndex;
    bool sortDescending = false;

private:
    Platform& platform_;
    BoardGenerator generator_;
    SolveStatistics statistics_;
    std::vector<SpecialResultRow> rows_;
    int size_ = 9;
};
