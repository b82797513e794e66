#include "files/BatchRun.h"

#include <cstdio>
#include <limits>
#include <memory>
#include <string>

#include "engine/BoardLevel.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"
#include "files/AtomicFile.h"

namespace {
constexpr std::size_t kColumnWidth = 24;

void AppendFormatted(std::string& text, const char* format, auto... values) {
    char line[256];
    std::snprintf(line, sizeof line, format, values...);
    text += line;
}

void AppendPadded(std::string& text, std::string_view left) {
    text += left;
    if (left.size() < kColumnWidth) text.append(kColumnWidth - left.size(), ' ');
}

// The clues of each row, then the row as it stands after solving.
void AppendBoardRows(std::string& text, const SudokuBoard& board, const BoardData& record) {
    for (int y = 0; y < board.size; ++y) {
        std::string clues;
        std::string solved;
        for (int x = 0; x < board.size; ++x) {
            const BoardCell& original = record.Cell(x, y);
            clues += original.type == Clue ? ValueSymbol(original.value) : '.';
            solved += ValueSymbol(board.Cell(x, y).value);
        }
        AppendPadded(text, clues);
        text += solved + "\r\n";
    }
}

// The step solver from the clues; when it cannot finish, the exhaustive solver finds a solution
// so that the step solver's last resort can use it, and the step solver runs again.
bool SolveBoard(SudokuBoard& board, SolveStatistics& statistics, RunControl* control) {
    board.ClearGivens();
    if (SolveHumanLike(board, statistics) == SolutionFound) return true;
    board.ClearGivens();
    if (board.SolveBruteForce(StopAtFirstSolution, control) != SolutionFound) return false;
    return SolveHumanLike(board, statistics) == SolutionFound;
}

void AppendGlobalPart(std::string& text, const SolveStatistics& total, int solvedNbr, int count,
                      long totalTime, long sumTime, long shortest, long longest) {
    text += "\r\nGlobal Statistics\r\n\r\n";
    AppendFormatted(text, "%d of %d Board%ssolved \r\n", solvedNbr, count, count > 1 ? "s " : " ");
    AppendFormatted(text, "Total Solving Time: %ld msec \r\n", totalTime);
    if (solvedNbr > 1) {
        AppendFormatted(text, "Mean Solving Time: %ld msec \r\n", sumTime / solvedNbr);
        AppendFormatted(text, "Minimum Solving Time: %ld msec \r\n", shortest);
        AppendFormatted(text, "Maximum Solving Time: %ld msec \r\n", longest);
    } else {
        text += "Mean Solving Time: Unknown \r\n";
        text += "Minimum Solving Time: Unknown \r\n";
        text += "Maximum Solving Time: Unknown \r\n";
    }
    text += "\r\nGlobal Solving Techniques Statistics\r\n";
    for (TechniqueId id : kStatisticsReportOrder) {
        const int calls = total.callNbr[id];
        AppendFormatted(text, "%s: %d call%s \r\n", kTechniques[id].statisticsLabel, calls,
                        calls > 1 ? "s " : " ");
    }
}

void ReportFileError(Platform& platform, FileError error) {
    platform.ShowMessage(
        std::string("Unable to Create Data File for Batch processing !!! Cause: ") +
        FileErrorText(error));
}
}  // namespace

std::filesystem::path BatchReportPath(Platform& platform) {
    return platform.ProgramFolder() / kBatchReportFileName;
}

BatchRun::BatchRun(Platform& platform)
    : platform_(platform),
      board_(std::make_unique<SudokuBoard>(platform)),
      statistics_(std::make_unique<SolveStatistics>()),
      total_(std::make_unique<SolveStatistics>()),
      shortest_(std::numeric_limits<long>::max()) {}

BatchRun::~BatchRun() = default;

bool BatchRun::Fail(FileError error) {
    ReportFileError(platform_, error);
    file_.Discard();
    return false;
}

bool BatchRun::Start(const std::filesystem::path& reportPath) {
    start_ = platform_.TickCount();
    FileError error = FileError::None;
    if (!file_.Open(reportPath, error)) return Fail(error);
    ResetStatistics(*total_);
    return true;
}

BatchBoardResult SolveBatchBoard(SudokuBoard& board, SolveStatistics& statistics,
                                 const BoardData& record, RunControl* control) {
    BatchBoardResult result;
    board.LoadRecord(record);
    const std::uint32_t t0 = board.platform().TickCount();
    ResetStatistics(statistics);
    std::string& text = result.text;
    result.solved = SolveBoard(board, statistics, control);
    if (result.solved) {
        result.time = static_cast<long>(board.platform().TickCount() - t0);
        board.LevelFromScore();
        AppendFormatted(text, "Difficulty Level: %s   Board Score: %d\r\n", LevelName(board.level),
                        board.score);
        AppendFormatted(text, "Solving Time: %ld ms\r\n", result.time);
        AppendPadded(text, "Original Board");
        text += "Solved Board\r\n";
    } else {
        AppendPadded(text, "Original Board");
        text += "UnSolved Board\r\n";
    }
    result.scoreSum = statistics.scoreSum;
    result.callNbr = statistics.callNbr;
    AppendBoardRows(text, board, record);
    text += "\r\n";
    return result;
}

bool BatchRun::Add(const BoardData& record, RunControl* control) {
    return AddSolved(SolveBatchBoard(*board_, *statistics_, record, control));
}

bool BatchRun::AddSolved(const BatchBoardResult& result) {
    const int k = ++count_;
    if (result.solved) {
        ++solvedNbr_;
        sumTime_ += result.time;
        shortest_ = std::min(shortest_, result.time);
        longest_ = std::max(longest_, result.time);
    }
    for (int id = 1; id < kTechniqueIdCount; ++id) total_->callNbr[id] += result.callNbr[id];
    total_->scoreSum += result.scoreSum;
    text_.clear();
    AppendFormatted(text_, "Board #%d\r\n", k);
    text_ += result.text;
    FileError error = FileError::None;
    return file_.Write(text_, error) || Fail(error);
}

bool BatchRun::Finish() {
    text_.clear();
    const long totalTime = static_cast<long>(platform_.TickCount() - start_);
    AppendGlobalPart(text_, *total_, solvedNbr_, count_, totalTime, sumTime_, shortest_, longest_);
    FileError error = FileError::None;
    return (file_.Write(text_, error) && file_.Commit(error)) || Fail(error);
}

BatchOutcome RunBatchProcessing(Platform& platform, const BoardList& boards,
                                const std::filesystem::path& reportPath, RunControl* control) {
    const int count = boards.Count();
    BatchRun run(platform);
    BoardData record;
    if (!run.Start(reportPath)) return BatchOutcome::Failed;
    for (int k = 1; k <= count; ++k) {
        if (control) {
            if (control->stopRequested) return BatchOutcome::Cancelled;
            control->attemptNbr = k;
            if (control->progress) control->progress(k);
        }
        boards.Record(k - 1, record);
        if (!run.Add(record, control)) return BatchOutcome::Failed;
    }
    return run.Finish() ? BatchOutcome::Written : BatchOutcome::Failed;
}
