#pragma once
// The line-oriented text file of import, export and the words file. Reading takes the file whole
// and hands it out line by line as the classic 2048-byte line buffer did; writing collects the
// text and puts it in place atomically on Close, with CR LF line ends.

#include <filesystem>
#include <string>
#include <string_view>

#include "files/AtomicFile.h"
#include "files/FileError.h"
#include "platform/Platform.h"

// The lines of a text in memory, as TextLineFile::ReadLine hands them out.
class TextLineReader {
public:
    // A UTF-8 byte-order mark at the start of text is skipped.
    explicit TextLineReader(std::string_view text);
    // The next line of at most 2047 characters (a longer line comes in pieces), cut at a NUL
    // byte, without its trailing non-graphic characters. LF, CR LF and CR end a line. False at
    // the end of the text.
    bool ReadLine(std::string_view& line);

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

class TextLineFile {
public:
    static constexpr int kBufferSize = 2048;

    explicit TextLineFile(Platform& platform) : platform_(platform) {}

    // With report set, a failure shows "Unable to Open File ... " and the cause text.
    bool OpenForRead(const std::filesystem::path& path, bool report);
    bool OpenForWrite(const std::filesystem::path& path, bool report);
    // The next line into Line(); false at the end of the file.
    bool ReadLine();
    std::string_view Line() const { return line_; }
    // The whole text of a file opened for reading.
    std::string_view Text() const { return content_; }
    // At most the first 2046 characters of text, then a line break.
    bool WriteLine(std::string_view text);
    // The whole text; every line feed not already preceded by a carriage return gets one.
    bool WriteText(std::string_view text);
    // Ends reading, or puts the written file in place (a failure is reported like an open one).
    bool Close();

private:
    void Report(const char* what);

    Platform& platform_;
    std::string content_;
    TextLineReader reader_{{}};
    std::string_view line_;
    AtomicFile output_;
    bool report_ = false;
    FileError error_ = FileError::None;
};

// Adds a carriage return before every line feed that lacks one.
void AppendWithCrLf(std::string& out, std::string_view text);
// Reads a whole file into bytes; false with the cause when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, FileError& error);
