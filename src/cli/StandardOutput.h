#pragma once
// Standard output of raruduz-cli: every complete line goes out as soon as it is written, so a run
// that is stopped keeps what it printed. A write that fails ends the run with a message and
// kExitUsage; a reader that went away (a closed pipe) ends it quietly, as other tools end.

#include <streambuf>
#include <string>

class LineFlushingOutput : public std::streambuf {
public:
    explicit LineFlushingOutput(int descriptor) : descriptor_(descriptor) {}

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    // Writes the held text up to its last line break (all of it with whole set).
    void WriteHeld(bool whole);

    int descriptor_;
    std::string held_;
};

// Points std::cout at file descriptor 1 through a LineFlushingOutput.
void UseLineFlushingStandardOutput();
