#include "files/LogFileLines.h"

#include <algorithm>
#include <new>

#include "files/TextLineFile.h"

LogReadResult LogFileLines::Read(const std::filesystem::path& path) {
    SetText({});
    std::error_code error;
    // A device or a pipe could be read without end.
    if (!std::filesystem::is_regular_file(path, error)) return LogReadResult::Unopenable;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return LogReadResult::Unopenable;
    if (size > kSizeLimit) return LogReadResult::OutOfMemory;
    try {
        std::string bytes;
        bytes.reserve(size + 2);
        FileError cause = FileError::None;
        if (!ReadWholeFile(path, bytes, cause)) return LogReadResult::Unopenable;
        if (bytes.empty()) return LogReadResult::Empty;
        SetText(std::move(bytes));
    } catch (const std::bad_alloc&) {
        SetText({});
        return LogReadResult::OutOfMemory;
    }
    return LogReadResult::Read;
}

void LogFileLines::SetText(std::string text) {
    text_ = std::move(text);
    starts_.clear();
    longest_ = 0;
    for (std::size_t start = 0; start < text_.size();) {
        starts_.push_back(start);
        const std::size_t end = text_.find('\n', start);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    for (int i = 0; i < Count(); ++i)
        longest_ = std::max(longest_, static_cast<int>(Line(i).size()));
}

std::string_view LogFileLines::Line(int index) const {
    const std::size_t start = starts_[index];
    const std::size_t next = index + 1 < Count() ? starts_[index + 1] : text_.size();
    std::string_view line = std::string_view(text_).substr(start, next - start);
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

std::string_view LogReadMessage(LogReadResult result) {
    switch (result) {
        case LogReadResult::Read:
            return {};
        case LogReadResult::Unopenable:
            return "Unable to Read Log File !!! End of Job ...";
        case LogReadResult::Empty:
            return "Unable to Read Log File ... ";
        case LogReadResult::OutOfMemory:
            return "Insufficient Memory to Read Log File !!!";
    }
    return {};
}
