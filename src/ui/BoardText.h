#pragma once
// Board texts (names, descriptions, Wordoku words) are single-byte Windows-1252, as the puzzle
// data file holds them; widgets show and take Unicode.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "files/CodePage1252.h"

inline QString FromBoardText(std::string_view text) {
    return QString::fromStdString(Utf8FromCodePage1252(text));
}

// Nothing when the text holds a character the code page has no byte for.
inline std::optional<std::string> ToBoardText(const QString& text) {
    return CodePage1252FromUtf8(text.toStdString());
}
