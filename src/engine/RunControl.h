#pragma once
// How a caller follows and ends long work: the exhaustive solve, batch processing, graded
// generation and the special-generation search. The desktop's progress dialogs and Stop buttons
// hold one per run; the CLI's Ctrl-C handler may set the stop request too.
//
// Each run works in attempts (a generated board, a board of the batch) and, before each one,
// calls progress with its 1-based number and reads the stop request; the header of each run says
// at which point of the attempt a stop takes effect. The exhaustive solver reads only the stop
// request (it lets the user interface run through the platform's message pump).
//
// A run never clears the stop request: start each run with a fresh control, or clear it first.

#include <atomic>
#include <cstdint>
#include <functional>

struct RunControl {
    // Called before each attempt with its 1-based number; it may pump the user interface's
    // events, where a Stop button sets stopRequested.
    std::function<void(int attempt)> progress;
    // Set from anywhere (another thread or a signal handler included) to end the run early.
    std::atomic<bool> stopRequested{false};
    // The run gives up after this many attempts; 0 for no limit. The batch run has one attempt
    // per board and ignores it.
    std::int32_t attemptLimit = 0;
    // Out: the attempts the run has made so far.
    std::int32_t attemptNbr = 0;
};

// A signal handler may only store to a lock-free atomic.
static_assert(std::atomic<bool>::is_always_lock_free);
