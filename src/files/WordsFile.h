#pragma once
// The Wordoku words file: plain text, one word per line. A line is usable when, upper-cased and
// without its line ending, it is exactly N letters A-Z, no two the same; every other line (empty,
// too short or long, repeated letters, any other character) is passed over. CR LF, LF and a lone
// CR all end a line. Lines of any length are read in pieces, never held whole.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/WordokuLetters.h"

// Counts the usable lines of a text handed over in pieces, and keeps the one asked for.
class WordLineScanner {
public:
    // wanted: the number (from 0) of the usable line to keep; -1 keeps none.
    WordLineScanner(int letterNbr, std::int64_t wanted);
    void Feed(std::string_view bytes);
    // Ends the last line when the text does not end with a line break.
    void Finish();
    std::int64_t WordNbr() const { return wordNbr_; }
    bool Found() const { return !word_.empty(); }
    // The wanted usable line, upper-cased; empty until it was read.
    const std::string& Word() const { return word_; }

private:
    void EndLine();

    int letterNbr_;
    std::int64_t wanted_;
    std::int64_t wordNbr_ = 0;
    std::string line_;
    std::uint32_t seen_ = 0;
    bool usable_ = true;
    std::string word_;
};

enum class WordsFileResult { Word, NoWord, Unreadable };

// Counts the usable lines of the file, draws one of them and reads the file again up to it.
// NoWord when the file has no usable line; Unreadable when it cannot be read either time.
WordsFileResult PickRandomWord(const std::filesystem::path& path, int letterNbr,
                               WordokuRandom& random, std::string& word);

// "Unable to Read Words File " + path + "... "
std::string UnreadableWordsFileMessage(const std::filesystem::path& path);
