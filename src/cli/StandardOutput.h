#pragma once
// Standard output of raruduz-cli: every complete line goes out as soon as it is written, so a run
// that is stopped keeps what it printed. A write that fails ends the run with a message and
// kExitUsage; a reader that went away (a closed pipe) ends it quietly, as other tools end.

// Points std::cout at file descriptor 1 through such a line-flushing buffer.
void UseLineFlushingStandardOutput();
