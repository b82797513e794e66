#pragma once
// Batch processing on a worker thread, so that the window stays live and its Cancel acts at once
// while boards are solved. The user interface follows the run by polling Progress and Done and
// touches its widgets on its own thread only.
//
// The worker has a headless platform of its own holding a copy of the brute-force permission; the
// messages the run would show are kept, and Wait shows them through the caller's platform on the
// caller's thread.

#include <atomic>
#include <filesystem>
#include <thread>

#include "engine/RunControl.h"
#include "files/BatchRun.h"
#include "files/BoardImport.h"
#include "platform/HeadlessPlatform.h"

class BatchJob {
public:
    // Starts the run at once.
    BatchJob(Platform& platform, BoardList boards, std::filesystem::path reportPath);
    // Stops a run still going and waits for it; its messages are dropped.
    ~BatchJob();
    BatchJob(const BatchJob&) = delete;
    BatchJob& operator=(const BatchJob&) = delete;

    int BoardNbr() const { return boards_.Count(); }
    // The number (from 1) of the board being solved; 0 before the first.
    int Progress() const { return progress_.load(); }
    bool Done() const { return done_.load(); }
    // Ends the run at its next check: before the next board, or inside an exhaustive solve.
    void RequestStop() { control_.stopRequested = true; }
    // Waits for the worker, shows the run's messages and tells how it ended.
    BatchOutcome Wait();

private:
    Platform& platform_;
    HeadlessPlatform worker_;
    const BoardList boards_;
    const std::filesystem::path reportPath_;
    RunControl control_;
    std::atomic<int> progress_{0};
    std::atomic<bool> done_{false};
    BatchOutcome outcome_ = BatchOutcome::Failed;
    // Last, so that the worker starts once everything it uses exists.
    std::thread thread_;
};
