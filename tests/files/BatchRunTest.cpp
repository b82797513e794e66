#include "files/BatchRun.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"

namespace {
// Two 5s in the first row: neither solver can finish it.
const char kBroken[] =
    "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// Every tick count is 20 s after the one before.
class SlowClockPlatform : public HeadlessPlatform {
public:
    std::uint32_t TickCount() override { return ticks += 20000; }
    std::uint32_t ticks = 0;
};

BoardList Boards(const std::vector<std::string>& texts) {
    BoardList boards;
    for (const std::string& text : texts)
        ScanSymbolRuns(text, [&boards](std::string_view run) { boards.Add(run); });
    return boards;
}

std::string Rows(const std::string& clues, const std::string& solved) {
    std::string rows;
    for (int y = 0; y < 9; ++y)
        rows += clues.substr(y * 9, 9) + std::string(15, ' ') + solved.substr(y * 9, 9) + "\r\n";
    return rows;
}

TEST(BatchRun, ReportsEachBoardAndTheTrueShortestTime) {
    TempFolder folder;
    SlowClockPlatform platform;
    const auto report = folder / "BatchProcData.txt";
    std::vector<int> progress;
    RunControl control;
    control.progress = [&progress](int k) { progress.push_back(k); };
    ASSERT_EQ(RunBatchProcessing(platform, Boards({kClassicPuzzle, kBroken, kClassicPuzzle}),
                                 report, &control),
              BatchOutcome::Written);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(control.attemptNbr, 3);

    const std::string text = ReadBytes(report);
    const std::string easyBoard =
        "Difficulty Level: Very Easy   Board Score: 100\r\n"
        "Solving Time: 20000 ms\r\n"
        "Original Board          Solved Board\r\n" +
        Rows(kClassicPuzzle, kClassicSolution) + "\r\n";
    const std::string expectedStart =
        "Board #1\r\n" + easyBoard + "Board #2\r\n" + "Original Board          UnSolved Board\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    const std::string expectedThird = "Board #3\r\n" + easyBoard;
    EXPECT_NE(text.find(expectedThird), std::string::npos);

    const std::string global =
        "\r\nGlobal Statistics\r\n\r\n"
        "2 of 3 Boards solved \r\n"
        "Total Solving Time: 120000 msec \r\n"
        "Mean Solving Time: 20000 msec \r\n"
        "Minimum Solving Time: 20000 msec \r\n"
        "Maximum Solving Time: 20000 msec \r\n"
        "\r\nGlobal Solving Techniques Statistics\r\n"
        "Single in a Box: ";
    const std::size_t at = text.find("\r\nGlobal Statistics");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at, global.size()), global);
    EXPECT_NE(text.find("\r\nHidden Pair in a Box: 0 call  \r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 31), "\r\nBrute Force Guess: 0 call  \r\n");
    EXPECT_EQ(EntryCount(folder.path()), 1);
}

TEST(BatchRun, OneSolvedBoardHasNoTimeFigures) {
    TempFolder folder;
    HeadlessPlatform platform;
    const auto report = folder / "r.txt";
    ASSERT_EQ(RunBatchProcessing(platform, Boards({kClassicPuzzle}), report),
              BatchOutcome::Written);
    const std::string text = ReadBytes(report);
    EXPECT_NE(text.find("1 of 1 Board solved \r\nTotal Solving Time: "), std::string::npos);
    EXPECT_NE(text.find(" msec \r\nMean Solving Time: Unknown \r\nMinimum Solving Time: Unknown "
                        "\r\nMaximum Solving Time: Unknown \r\n"),
              std::string::npos);
}

// Each tick count is further from the one before: later boards take longer.
class SlowingClockPlatform : public HeadlessPlatform {
public:
    std::uint32_t TickCount() override { return ticks += step += 10000; }
    std::uint32_t ticks = 0, step = 0;
};

TEST(BatchRun, MinimumAndMaximumAreOverAllBoards) {
    TempFolder folder;
    SlowingClockPlatform platform;
    const auto report = folder / "r.txt";
    ASSERT_EQ(RunBatchProcessing(platform, Boards({kClassicPuzzle, kClassicPuzzle, kClassicPuzzle}),
                                 report),
              BatchOutcome::Written);
    const std::string text = ReadBytes(report);
    std::vector<long> times;
    for (std::size_t at = 0; (at = text.find("\r\nSolving Time: ", at)) != std::string::npos; ++at)
        times.push_back(std::stol(text.substr(at + 16)));
    ASSERT_EQ(times.size(), 3u);
    ASSERT_LT(times.front(), times.back());
    EXPECT_NE(text.find("Minimum Solving Time: " + std::to_string(times.front()) + " msec"),
              std::string::npos);
    EXPECT_NE(text.find("Maximum Solving Time: " + std::to_string(times.back()) + " msec"),
              std::string::npos);
}

// An unwritable report is the batch scenario's job.
TEST(BatchRun, CancelKeepsTheOldReport) {
    TempFolder folder;
    HeadlessPlatform platform;
    const auto report = folder / "BatchProcData.txt";
    WriteBytes(report, "old report");
    RunControl control;
    control.progress = [&control](int k) { control.stopRequested = k == 1; };
    EXPECT_EQ(
        RunBatchProcessing(platform, Boards({kClassicPuzzle, kClassicPuzzle}), report, &control),
        BatchOutcome::Cancelled);
    EXPECT_EQ(control.attemptNbr, 1);
    EXPECT_EQ(ReadBytes(report), "old report");
    EXPECT_EQ(EntryCount(folder.path()), 1);
}
}  // namespace
