#include "files/TextLineFile.h"

#include <cerrno>
#include <cstdio>

namespace {
bool IsGraphic(char c) {
    return c > ' ' && c < 0x7F;
}
constexpr std::size_t kLineLimit = TextLineFile::kBufferSize - 1;
constexpr std::size_t kWriteLimit = TextLineFile::kBufferSize - 2;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

TextLineReader::TextLineReader(std::string_view text) : text_(text) {
    // Editors elsewhere put a byte-order mark first; it would hide a comment mark behind it.
    if (text_.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
        position_ = kUtf8ByteOrderMark.size();
}

bool TextLineReader::ReadLine(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const std::size_t start = position_;
    std::size_t characters = 0;
    std::size_t end = start;
    while (position_ < text_.size() && characters < kLineLimit) {
        const char c = text_[position_];
        ++characters;
        ++position_;
        if (c == '\n') break;
        // CR LF reads as one line break, as does a CR alone (files from older Macs).
        if (c == '\r') {
            if (position_ < text_.size() && text_[position_] == '\n') ++position_;
            break;
        }
        end = position_;
    }
    line = text_.substr(start, end - start);
    line = line.substr(0, line.find('\0'));
    while (!line.empty() && !IsGraphic(line.back())) line.remove_suffix(1);
    return true;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes, FileError& error) {
    errno = 0;
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (!file) {
        error = FileErrorFromErrno(errno);
        if (error == FileError::None) error = FileError::Generic;
        return false;
    }
    bytes.clear();
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, read);
    const bool failed = std::ferror(file) != 0;
    const int readError = errno;
    std::fclose(file);
    if (failed) {
        error = FileErrorFromErrno(readError);
        if (error == FileError::None) error = FileError::Generic;
        return false;
    }
    return true;
}

void TextLineFile::Report(const char* what) {
    if (report_) platform_.ShowMessage(std::string(what) + FileErrorText(error_));
}

bool TextLineFile::OpenForRead(const std::filesystem::path& path, bool report) {
    Close();
    report_ = report;
    std::error_code code;
    // Opening a folder succeeds on some systems; it is not a text file.
    if (std::filesystem::is_directory(path, code)) {
        error_ = FileError::AccessDenied;
        Report("Unable to Open File ... ");
        return false;
    }
    if (!ReadWholeFile(path, content_, error_)) {
        Report("Unable to Open File ... ");
        return false;
    }
    reader_ = TextLineReader(content_);
    return true;
}

bool TextLineFile::OpenForWrite(const std::filesystem::path& path, bool report) {
    Close();
    report_ = report;
    if (!output_.Open(path, error_)) {
        Report("Unable to Open File ... ");
        return false;
    }
    return true;
}

bool TextLineFile::ReadLine() {
    return reader_.ReadLine(line_);
}

bool TextLineFile::WriteLine(std::string_view text) {
    std::string line;
    AppendWithCrLf(line, text.substr(0, kWriteLimit));
    line += "\r\n";
    if (output_.Write(line, error_)) return true;
    Report("Unable to Write File ... ");
    return false;
}

bool TextLineFile::WriteText(std::string_view text) {
    std::string converted;
    AppendWithCrLf(converted, text);
    if (output_.Write(converted, error_)) return true;
    Report("Unable to Write File ... ");
    return false;
}

bool TextLineFile::Close() {
    content_.clear();
    reader_ = TextLineReader({});
    line_ = {};
    if (!output_.IsOpen()) return true;
    if (output_.Commit(error_)) return true;
    Report("Unable to Write File ... ");
    return false;
}

void AppendWithCrLf(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size() + text.size() / 8);
    char previous = 0;
    for (char c : text) {
        if (c == '\n' && previous != '\r') out += '\r';
        out += c;
        previous = c;
    }
}
