#pragma once
// The board on screen when the desktop program closed, kept for its next start: a short text of
// "key value" lines, so a damaged or foreign file is recognised and refused as a whole.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/BoardTypes.h"
#include "files/FileError.h"

inline constexpr char kSessionFileName[] = "LastSession.txt";

struct SessionBoard {
    BoardData board;  // name, description, level, score, cells with types, solutions, Wordoku
    std::int32_t entryMode = 0;
    std::int32_t viewMode = 0;
    std::int32_t solutionKnown = 0;
    std::int32_t mistakeCheckEnabled = 0;
    std::int32_t uniqueSolutionKnown = 0;
    CellGrid uniqueSolution{};
};

std::string FormatSession(const SessionBoard& session);
// Nothing unless the text is a whole session of this version: every line present once, a 9 x 9
// or 16 x 16 board, values in range, counts and types consistent.
std::optional<SessionBoard> ParseSession(std::string_view text);

enum class SessionRead { Missing, Damaged, Read };
SessionRead ReadSessionFile(const std::filesystem::path& path, SessionBoard& session);
bool WriteSessionFile(const std::filesystem::path& path, const SessionBoard& session,
                      FileError& error);
