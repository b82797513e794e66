#include "cli/StandardOutput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"

namespace {
// A closed pipe ends the run as SIGPIPE ends other tools, also when SIGPIPE was inherited
// ignored; other failures are the user's to know about.
[[noreturn]] void EndOnWriteFailure(int error) {
    if (error == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
        EndRun(kExitUsage);  // SIGPIPE was blocked: end as quietly
    }
    std::fprintf(stderr, "raruduz-cli: unable to write to standard output: %s\n",
                 std::strerror(error));
    EndRun(kExitUsage);
}

// Writes all of text, riding out interruptions and a descriptor left non-blocking.
void WriteAll(int descriptor, const char* text, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, text, size);
        if (written >= 0) {
            text += written;
            size -= static_cast<std::size_t>(written);
            continue;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd ready{descriptor, POLLOUT, 0};
            ::poll(&ready, 1, -1);
            continue;
        }
        EndOnWriteFailure(errno);
    }
}

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

LineFlushingOutput::int_type LineFlushingOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    held_ += traits_type::to_char_type(c);
    if (c == '\n') WriteHeld(false);
    return c;
}

std::streamsize LineFlushingOutput::xsputn(const char* text, std::streamsize count) {
    held_.append(text, static_cast<std::size_t>(count));
    WriteHeld(false);
    return count;
}

int LineFlushingOutput::sync() {
    WriteHeld(true);
    return 0;
}

void LineFlushingOutput::WriteHeld(bool whole) {
    const std::size_t end = whole ? held_.size() : held_.rfind('\n') + 1;
    if (end == 0 || end > held_.size()) return;
    // Taken out first: a failure ends the run, and that end flushes again.
    const std::string out = held_.substr(0, end);
    held_.erase(0, end);
    WriteAll(descriptor_, out.data(), out.size());
    EndRunIfInterrupted();
}

}  // namespace

void UseLineFlushingStandardOutput() {
    // Never destroyed: std::cout is flushed once more after the static objects are gone.
    static LineFlushingOutput* const output = new LineFlushingOutput(STDOUT_FILENO);
    std::cout.rdbuf(output);
}
