#include "files/CodePage1252.h"

#include <array>
#include <cstdint>

namespace {
// The characters of bytes 0x80..0x9F; the unassigned ones keep their own number.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CharacterOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char> ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t k = 0; k < kHighControls.size(); ++k)
        if (kHighControls[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

// The next character of a UTF-8 text; nothing for a malformed, overlong or surrogate sequence.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& position) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(position);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++position;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (position + length > text.size()) return std::nullopt;
    for (int k = 1; k < length; ++k) {
        if ((byte(position + k) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(position + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    position += length;
    return c;
}
}  // namespace

std::string Utf8FromCodePage1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char b : bytes) AppendUtf8(text, CharacterOf(static_cast<unsigned char>(b)));
    return text;
}

std::optional<std::string> CodePage1252FromUtf8(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t position = 0; position < text.size();) {
        const std::optional<char32_t> c = NextCharacter(text, position);
        if (!c) return std::nullopt;
        const std::optional<char> b = ByteOf(*c);
        if (!b) return std::nullopt;
        bytes += *b;
    }
    return bytes;
}
