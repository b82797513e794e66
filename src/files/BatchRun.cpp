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
bool SolveBoard(SudokuBoard& board, SolveStatistics& statistics) {
    board.ClearGivens();
    if (SolveHumanLike(board, statistics) == 0) return true;
    board.ClearGivens();
    if (board.SolveBruteForce(1) != SolutionFound) return false;
    return SolveHumanLike(board, statistics) == 0;
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

BatchOutcome RunBatchProcessing(Platform& platform, const std::vector<BoardData>& records,
                                const std::filesystem::path& reportPath,
                                const std::function<void(int, int)>& progress,
                                const std::atomic<bool>* cancel) {
    const int count = static_cast<int>(records.size());
    auto board = std::make_unique<SudokuBoard>(platform);
    auto statistics = std::make_unique<SolveStatistics>();
    auto total = std::make_unique<SolveStatistics>();
    const std::uint32_t start = platform.TickCount();

    AtomicFile file;
    FileError error = FileError::None;
    if (!file.Open(reportPath, error)) {
        ReportFileError(platform, error);
        return BatchOutcome::Failed;
    }
    ResetStatistics(*total);
    int solvedNbr = 0;
    long sumTime = 0;
    long shortest = std::numeric_limits<long>::max();
    long longest = 0;
    std::string text;
    for (int k = 1; k <= count; ++k) {
        if (cancel && cancel->load()) return BatchOutcome::Cancelled;
        if (progress) progress(k, count);
        const BoardData& record = records[k - 1];
        board->Initialise(record.size, 0, "", "", &record, 0, 0);
        const std::uint32_t t0 = platform.TickCount();
        text.clear();
        AppendFormatted(text, "Board #%d\r\n", k);
        ResetStatistics(*statistics);
        if (SolveBoard(*board, *statistics)) {
            ++solvedNbr;
            const long time = static_cast<long>(platform.TickCount() - t0);
            sumTime += time;
            shortest = std::min(shortest, time);
            longest = std::max(longest, time);
            board->LevelFromScore();
            AppendFormatted(text, "Difficulty Level: %s   Board Score: %d\r\n",
                            LevelName(board->level), board->score);
            AppendFormatted(text, "Solving Time: %ld ms\r\n", time);
            AppendPadded(text, "Original Board");
            text += "Solved Board\r\n";
        } else {
            AppendPadded(text, "Original Board");
            text += "UnSolved Board\r\n";
        }
        AddCallCounts(*total, *statistics);
        total->scoreSum += statistics->scoreSum;
        AppendBoardRows(text, *board, record);
        text += "\r\n";
        if (!file.Write(text, error)) {
            ReportFileError(platform, error);
            return BatchOutcome::Failed;
        }
    }
    text.clear();
    const long totalTime = static_cast<long>(platform.TickCount() - start);
    AppendGlobalPart(text, *total, solvedNbr, count, totalTime, sumTime, shortest, longest);
    if (!file.Write(text, error) || !file.Commit(error)) {
        ReportFileError(platform, error);
        return BatchOutcome::Failed;
    }
    return BatchOutcome::Written;
}
