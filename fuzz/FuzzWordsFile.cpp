// Any bytes as a Wordoku words file, fed whole and in pieces.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/WordsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the board size and the piece length.
    const int letterNbr = data[0] & 1 ? 16 : 9;
    const std::size_t piece = (data[0] >> 1) + 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    WordLineScanner whole(letterNbr, -1);
    whole.Feed(text);
    whole.Finish();
    const std::int64_t wordNbr = whole.WordNbr();
    if (wordNbr < 0 || whole.Found()) __builtin_trap();

    // The last usable line, read in pieces, must be a word of N different letters A-Z.
    WordLineScanner pieces(letterNbr, wordNbr - 1);
    for (std::size_t at = 0; at < text.size(); at += piece) pieces.Feed(text.substr(at, piece));
    pieces.Finish();
    if (pieces.WordNbr() != wordNbr) __builtin_trap();
    if (pieces.Found() != (wordNbr > 0)) __builtin_trap();
    if (pieces.Found() && !IsLetterString(pieces.Word(), letterNbr)) __builtin_trap();
    return 0;
}
