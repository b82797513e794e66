#pragma once
// The boards of one run spread over worker threads, their results handed back in input order.
// Each worker has its own headless platform, a copy of the run's with settings that cannot be
// written, and whatever its work keeps (its own board). The main thread reads the input, hands
// results on as soon as every earlier one is there, and alone writes standard output, so that
// a Ctrl-C or a failed write ends the run from where the single-threaded run would end it.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"

// Boards read but not yet handed on, per worker: enough to keep every worker busy, few enough
// that a whole collection is never held.
inline constexpr int kBoardsInFlightPerWorker = 64;
// The most boards a worker takes at once. A worker takes a share of what is waiting, so that
// quick boards cost one hand-over per handful rather than one each, while a short input is
// still spread one board to a worker.
inline constexpr int kMostBoardsPerTake = 16;

// A worker's platform: the run's settings as a copy no one writes, the same folder, clock and
// trace switch; messages are left to the worker's sink.
inline void CopyForWorker(const HeadlessPlatform& run, HeadlessPlatform& worker) {
    worker.settings = run.settings;
    worker.settings.SetReadOnly(true);
    worker.programFolder = run.programFolder;
    worker.fixedCalendarSeconds = run.fixedCalendarSeconds;
    worker.traceEnabled = run.traceEnabled;
}

template <class Result>
class OrderedWorkers {
public:
    // The work one worker does on each board; made on the worker's thread with its platform.
    using Work = std::function<Result(const InputBoard& input)>;
    using WorkMaker = std::function<Work(HeadlessPlatform& platform)>;
    // Called on the main thread with each result, in input order.
    using Deliver = std::function<void(Result& result)>;

    OrderedWorkers(int jobs, const HeadlessPlatform& run, WorkMaker make, Deliver deliver)
        : deliver_(std::move(deliver)), jobs_(jobs), window_(jobs * kBoardsInFlightPerWorker) {
        for (int i = 0; i < jobs; ++i)
            threads_.emplace_back([this, &run, make] { WorkerLoop(run, make); });
    }
    ~OrderedWorkers() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        toWork_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }
    OrderedWorkers(const OrderedWorkers&) = delete;
    OrderedWorkers& operator=(const OrderedWorkers&) = delete;

    // Queues one board; hands on finished results while too many boards are in flight.
    void Add(const InputBoard& input) {
        std::unique_lock lock(mutex_);
        DeliverReady(lock, added_ - delivered_ >= window_);
        pending_.push_back({added_++, input});
        const bool someoneIdle = idleWorkers_ > 0;
        lock.unlock();
        if (someoneIdle) toWork_.notify_one();
    }
    // Hands on every remaining result.
    void Finish() {
        std::unique_lock lock(mutex_);
        while (delivered_ < added_) DeliverReady(lock, true);
    }

private:
    struct Task {
        long sequence;
        InputBoard input;
    };

    void WorkerLoop(const HeadlessPlatform& run, const WorkMaker& make) {
        HeadlessPlatform platform;
        CopyForWorker(run, platform);
        const Work work = make(platform);
        std::vector<Task> tasks;
        std::vector<std::pair<long, Result>> results;
        for (;;) {
            std::unique_lock lock(mutex_);
            ++idleWorkers_;
            toWork_.wait(lock, [this] { return closing_ || !pending_.empty(); });
            --idleWorkers_;
            if (pending_.empty()) return;
            const std::size_t share = pending_.size() / (2 * jobs_);
            const std::size_t take =
                std::clamp<std::size_t>(share, 1, static_cast<std::size_t>(kMostBoardsPerTake));
            for (std::size_t i = 0; i < take; ++i) {
                tasks.push_back(std::move(pending_.front()));
                pending_.pop_front();
            }
            lock.unlock();
            for (const Task& task : tasks) results.emplace_back(task.sequence, work(task.input));
            tasks.clear();
            lock.lock();
            for (auto& [sequence, result] : results) done_.emplace(sequence, std::move(result));
            results.clear();
            const bool nextIsReady = done_.begin()->first == delivered_;
            lock.unlock();
            if (nextIsReady) toDeliver_.notify_one();
        }
    }

    // Hands on the results that are next in order; with wait, first waits for the next one,
    // ending the run meanwhile if a Ctrl-C asks it to. Called and returns with the lock held.
    void DeliverReady(std::unique_lock<std::mutex>& lock, bool wait) {
        while (wait && (done_.empty() || done_.begin()->first != delivered_)) {
            toDeliver_.wait_for(lock, std::chrono::milliseconds(20));
            lock.unlock();
            EndRunIfInterrupted();
            lock.lock();
        }
        while (!done_.empty() && done_.begin()->first == delivered_) {
            Result result = std::move(done_.begin()->second);
            done_.erase(done_.begin());
            ++delivered_;
            lock.unlock();
            deliver_(result);
            lock.lock();
        }
    }

    Deliver deliver_;
    const std::size_t jobs_;
    const long window_;
    std::mutex mutex_;
    std::condition_variable toWork_;
    std::condition_variable toDeliver_;
    std::deque<Task> pending_;
    std::map<long, Result> done_;
    long added_ = 0;
    long delivered_ = 0;
    std::size_t idleWorkers_ = 0;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};
