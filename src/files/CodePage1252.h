#pragma once
// The single-byte Western European code page (Windows-1252) in which "BoardData.sbd" holds its
// texts, to and from the UTF-8 that the desktop's widgets speak.

#include <optional>
#include <string>
#include <string_view>

// Every byte has a character: the five bytes the code page leaves unassigned stand for the
// control characters of the same number, so a text read from a file goes back byte for byte.
std::string Utf8FromCodePage1252(std::string_view bytes);
// The code-page bytes of a UTF-8 text; nothing when the text holds a character the code page
// has no byte for, or is not valid UTF-8.
std::optional<std::string> CodePage1252FromUtf8(std::string_view text);
