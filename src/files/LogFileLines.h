#pragma once
// A log file read whole and cut into lines, for a viewer that draws only the lines in sight: a
// batch report of tens of megabytes opens at once.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

enum class LogReadResult { Read, Unopenable, Empty, OutOfMemory };

class LogFileLines {
public:
    // Larger files are refused as OutOfMemory: their lines could not all be numbered by a list.
    static constexpr std::uintmax_t kSizeLimit = std::uintmax_t{1} << 30;

    // Only a regular file is read. On failure the lines are empty.
    LogReadResult Read(const std::filesystem::path& path);
    // Lines end at a line feed, a carriage return before it dropped; a last line without one
    // counts too.
    void SetText(std::string text);

    int Count() const { return static_cast<int>(starts_.size()); }
    // 0 <= index < Count().
    std::string_view Line(int index) const;
    int LongestLine() const { return longest_; }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
    int longest_ = 0;
};

// The viewer's message for a failed read; empty for Read.
std::string_view LogReadMessage(LogReadResult result);
