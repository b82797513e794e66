#include "cli/Interruption.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "engine/SudokuBoard.h"

namespace {
volatile std::sig_atomic_t interruptNbr = 0;
// Ctrl-Cs the run absorbs without ending: 1 while a command's solves may be stopped.
int absorbedNbr = 0;
// Ctrl-Cs already turned into a stop of a solve.
int stopNbr = 0;
RunControl solveControl;

extern "C" void CountInterrupt(int) {
    interruptNbr = interruptNbr + 1;
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
        if (interruptNbr > stopNbr) {
            stopNbr = interruptNbr;
            solveControl.stopRequested = true;
        }
    };
}

RunControl& FreshSolveControl() {
    solveControl.stopRequested = false;
    return solveControl;
}
