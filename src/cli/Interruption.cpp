#include "cli/Interruption.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "engine/SudokuBoard.h"

namespace {
// Read by worker threads too: a lock-free atomic is what a signal handler may store to.
std::atomic<int> interruptNbr{0};
static_assert(std::atomic<int>::is_always_lock_free);
// Ctrl-Cs the run absorbs without ending: 1 while a command's solves may be stopped.
std::atomic<int> absorbedNbr{0};
// Ctrl-Cs already turned into a stop of a solve: each stops one solve, the first to see it.
std::atomic<int> stopNbr{0};
// Every worker thread has its own solve to stop.
thread_local RunControl solveControl;

extern "C" void CountInterrupt(int) {
    interruptNbr.fetch_add(1);
}

// A Ctrl-C that has not stopped a solve yet stops this thread's.
void StopSolveOnNewInterrupt() {
    const int count = interruptNbr.load();
    int stopped = stopNbr.load();
    if (count > stopped && stopNbr.compare_exchange_strong(stopped, count))
        solveControl.stopRequested = true;
}
}  // namespace

void InstallInterruptHandler() {
    // A run started in the background of a shell without job control keeps ignoring Ctrl-C:
    // that Ctrl-C is meant for the foreground.
    struct sigaction inherited {};
    if (sigaction(SIGINT, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = CountInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a read of the terminal must not outlive Ctrl-C
    sigaction(SIGINT, &action, nullptr);
}

void EndRunIfInterrupted() {
    if (interruptNbr > absorbedNbr) EndRun(kExitInterrupted);
}

void EndRun(int status) {
    std::cout.flush();
    std::fflush(stderr);
    std::_Exit(status);
}

void StopSolvesOnInterrupt(HeadlessPlatform& platform) {
    absorbedNbr = 1;
    platform.onPump = [] {
        EndRunIfInterrupted();
        StopSolveOnNewInterrupt();
    };
}

void StopWorkerSolvesOnInterrupt(HeadlessPlatform& platform) {
    platform.onPump = StopSolveOnNewInterrupt;
}

RunControl& FreshSolveControl() {
    solveControl.stopRequested = false;
    return solveControl;
}
