#include "files/WordsFile.h"

#include <cstdio>
#include <limits>
#include <memory>

WordLineScanner::WordLineScanner(int letterNbr, std::int64_t wanted)
    : letterNbr_(letterNbr), wanted_(wanted) {
    line_.reserve(static_cast<std::size_t>(letterNbr));
}

void WordLineScanner::Feed(std::string_view bytes) {
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            EndLine();
            continue;
        }
        if (!usable_) continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const std::uint32_t bit = c >= 'A' && c <= 'Z' ? 1u << (c - 'A') : 0;
        if (bit == 0 || (seen_ & bit) || static_cast<int>(line_.size()) == letterNbr_) {
            usable_ = false;
            continue;
        }
        seen_ |= bit;
        line_ += c;
    }
}

void WordLineScanner::Finish() {
    EndLine();
}

void WordLineScanner::EndLine() {
    if (usable_ && static_cast<int>(line_.size()) == letterNbr_) {
        if (wordNbr_ == wanted_) word_ = line_;
        ++wordNbr_;
    }
    line_.clear();
    seen_ = 0;
    usable_ = true;
}

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Runs the whole file through the scanner; false when it cannot be opened or read.
bool ScanFile(const std::filesystem::path& path, WordLineScanner& scanner) {
    std::error_code code;
    // A folder opens for reading on some systems; it holds no words.
    if (std::filesystem::is_directory(path, code)) return false;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.string().c_str(), "rb"));
    if (!file) return false;
    char buffer[65536];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        scanner.Feed(std::string_view(buffer, read));
        if (scanner.Found()) return true;
    }
    if (std::ferror(file.get())) return false;
    scanner.Finish();
    return true;
}
}  // namespace

WordsFileResult PickRandomWord(const std::filesystem::path& path, int letterNbr,
                               WordokuRandom& random, std::string& word) {
    WordLineScanner counter(letterNbr, -1);
    if (!ScanFile(path, counter)) return WordsFileResult::Unreadable;
    if (counter.WordNbr() == 0) return WordsFileResult::NoWord;
    const std::int64_t wanted = random.Below(std::numeric_limits<int>::max()) % counter.WordNbr();
    WordLineScanner reader(letterNbr, wanted);
    if (!ScanFile(path, reader)) return WordsFileResult::Unreadable;
    // The file changed between the two readings and lost the line drawn.
    if (!reader.Found()) return WordsFileResult::NoWord;
    word = reader.Word();
    return WordsFileResult::Word;
}

std::string UnreadableWordsFileMessage(const std::filesystem::path& path) {
    return "Unable to Read Words File " + path.string() + "... ";
}
