#include "files/BatchJob.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "TempFolder.h"
#include "TestSupport.h"

namespace {
BoardList Copies(int count) {
    BoardList boards;
    for (int i = 0; i < count; ++i) boards.Add(kClassicPuzzle);
    return boards;
}

BatchOutcome WaitFor(BatchJob& job) {
    while (!job.Done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return job.Wait();
}
}  // namespace

TEST(BatchJob, SolvesOnAWorkerAndShowsItsMessagesOnlyWhenWaitedFor) {
    TempFolder folder;
    HeadlessPlatform platform;
    BatchJob job(platform, Copies(3), folder / "BatchProcData.txt");
    EXPECT_EQ(job.BoardNbr(), 3);
    EXPECT_EQ(WaitFor(job), BatchOutcome::Written);
    EXPECT_EQ(job.Progress(), 3);
    EXPECT_NE(ReadBytes(folder / "BatchProcData.txt").find("3 of 3 Boards solved \r\n"),
              std::string::npos);

    BatchJob failing(platform, Copies(2), folder / "missing" / "BatchProcData.txt");
    while (!failing.Done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(failing.Wait(), BatchOutcome::Failed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("Unable to Create Data File for Batch processing !!! "
                                         "Cause: ",
                                         0),
              0u);
}

TEST(BatchJob, DestroyedWhileRunningItStopsAndKeepsTheOldReport) {
    TempFolder folder;
    HeadlessPlatform platform;
    WriteBytes(folder / "BatchProcData.txt", "old report");
    {
        // Destroyed while running (far more boards than it can solve meanwhile): it stops and
        // waits for its worker.
        BatchJob job(platform, Copies(20000), folder / "BatchProcData.txt");
    }
    EXPECT_EQ(ReadBytes(folder / "BatchProcData.txt"), "old report");
    EXPECT_EQ(EntryCount(folder.path()), 1);
    EXPECT_TRUE(platform.messages.empty());
}
