#pragma once
// Batch processing: every selected board solved on a private board with the step solver, the
// exhaustive solver helping when the step solver alone cannot finish; outcome, time and level
// of each board, global times and technique counts go to "BatchProcData.txt".

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/BoardTypes.h"
#include "engine/RunControl.h"
#include "engine/SolveStatistics.h"
#include "files/AtomicFile.h"
#include "files/BoardImport.h"
#include "platform/Platform.h"

class SudokuBoard;

inline constexpr char kBatchReportFileName[] = "BatchProcData.txt";

// "BatchProcData.txt" in the program folder.
std::filesystem::path BatchReportPath(Platform& platform);

// One board solved for the report, apart from its number: what a worker thread can do on a board
// of its own while the run writes earlier boards.
struct BatchBoardResult {
    bool solved = false;
    long time = 0;  // milliseconds of solving
    std::int32_t scoreSum = 0;
    std::array<std::int32_t, kTechniqueIdCount> callNbr{};
    std::string text;  // the board's part of the report after its "Board #k" line
};

// Solves the record on board (statistics is the solve's scratch record) as the run does. A stop
// requested through control ends the board's exhaustive solve.
BatchBoardResult SolveBatchBoard(SudokuBoard& board, SolveStatistics& statistics,
                                 const BoardData& record, RunControl* control = nullptr);

// One run, fed one board at a time so that a collection never needs to be held in memory: the
// report grows board by board and replaces the old one only when Finish succeeds. A report that
// cannot be created or written is reported; the old one then stays.
class BatchRun {
public:
    explicit BatchRun(Platform& platform);
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    bool Start(const std::filesystem::path& reportPath);
    // Solves the next board (numbered from 1) and writes its part of the report. A stop
    // requested through control ends the board's exhaustive solve.
    bool Add(const BoardData& record, RunControl* control = nullptr);
    // The same with a board solved elsewhere, next in order.
    bool AddSolved(const BatchBoardResult& result);
    // The global part after the last board; the report takes the old one's place.
    bool Finish();

private:
    bool Fail(FileError error);

    Platform& platform_;
    std::unique_ptr<SudokuBoard> board_;
    std::unique_ptr<SolveStatistics> statistics_;
    std::unique_ptr<SolveStatistics> total_;
    AtomicFile file_;
    std::string text_;
    std::uint32_t start_ = 0;
    int count_ = 0;
    int solvedNbr_ = 0;
    long sumTime_ = 0;
    long shortest_ = 0;
    long longest_ = 0;
};

enum class BatchOutcome { Written, Cancelled, Failed };

// Solves the boards in order and writes the report to reportPath, replacing the old report only
// when the run completes. Board k (from 1) is control's attempt k: a stop requested before it
// cancels the run, one requested during an exhaustive solve also ends that solve. A report that
// cannot be written is reported.
BatchOutcome RunBatchProcessing(Platform& platform, const BoardList& boards,
                                const std::filesystem::path& reportPath,
                                RunControl* control = nullptr);
