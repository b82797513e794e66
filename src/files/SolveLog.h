#pragma once
// The texts made from a board's solve statistics: the one-line description of a logged step, the
// two lists of the "Solve Data" page and the file "SolveLog.txt".
//
// `letters` chooses how values are written: empty for digits and "A".."G", otherwise the Wordoku
// letter string, whose character k - 1 stands for value k.

#include <string>
#include <string_view>
#include <vector>

#include "engine/SudokuBoard.h"

inline constexpr const char* kSolveLogFileName = "SolveLog.txt";

std::string DescribeStep(const StepLogEntry& entry, std::string_view letters);

// One row of a "Solve Data" list: the running number, the technique name and the call count (the
// summary) or the step description (the step list).
struct SolveDataRow {
    std::string number;
    std::string technique;
    std::string detail;
};

struct SolveDataPage {
    std::vector<SolveDataRow> summary;
    std::vector<SolveDataRow> steps;
};

inline constexpr const char* kSolveDataEmptyText = "There is no data to show ...";
inline constexpr const char* kSummaryHeaders[] = {"", "Technique", "Call Nbr"};
inline constexpr const char* kStepListHeaders[] = {"", "Technique", "Description"};

// The rows of both lists for the board's own statistics, and the statistics' new-data flag
// cleared. With no step logged, each list holds the one row kSolveDataEmptyText.
SolveDataPage FillSolveDataPage(SudokuBoard& board, std::string_view letters);

// The "Techniques Summary" and "Board Solving Log" sections of the log, CR LF line ends.
std::string SolveLogSections(const SudokuBoard& board, std::string_view letters);
// The whole text of "SolveLog.txt".
std::string SolveLogText(const SudokuBoard& board, std::string_view letters);

// Writes SolveLogText into kSolveLogFileName in the program folder, through a temporary file that
// replaces the old one only when complete. Returns 1, or 0 after showing why it failed.
int StoreSolveLog(SudokuBoard& board, std::string_view letters);
