#pragma once
// Ctrl-C in raruduz-cli. The signal handler only counts; the run acts on the count where it is
// safe to: in the message pump of a running exhaustive solve, between boards and after each
// line written. The first Ctrl-C stops an exhaustive solve whose result the command prints, as
// the desktop's Stop does; any other Ctrl-C ends the run with kExitInterrupted.

#include "engine/RunControl.h"
#include "platform/HeadlessPlatform.h"

class SudokuBoard;

inline constexpr int kExitInterrupted = 130;

// Installs the counting handler of SIGINT. A blocking read or write is interrupted by it (so a
// run waiting for its input can end) and must be retried by its caller.
void InstallInterruptHandler();

// Lets the first Ctrl-C stop the exhaustive solve, running or next to run, instead of ending the
// run: the pump asks the solve's control to stop.
void StopSolvesOnInterrupt(HeadlessPlatform& platform);
// The same on a worker thread's platform: a Ctrl-C stops the solve of the first worker to pump
// after it, and the run is left for the main thread to end.
void StopWorkerSolvesOnInterrupt(HeadlessPlatform& platform);
// The control a Ctrl-C stops, with no stop requested yet: one per exhaustive solve, one per
// thread.
RunControl& FreshSolveControl();

// Ends the run when a Ctrl-C came that nothing is left to absorb.
void EndRunIfInterrupted();

// Writes out the standard output held so far and ends the process with status at once.
[[noreturn]] void EndRun(int status);
