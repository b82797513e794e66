#pragma once
// The main window's placement as it is stored between runs: ten decimal numbers separated by
// commas ("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d"): flags, show state, minimized x and y, maximized x
// and y, and the normal rectangle's left, top, right and bottom in screen pixels.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct WindowPlacement {
    std::uint32_t flags = 0;
    std::uint32_t showState = 1;  // 1 normal, 3 maximized
    std::int32_t minimizedX = -1;
    std::int32_t minimizedY = -1;
    std::int32_t maximizedX = -1;
    std::int32_t maximizedY = -1;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The flag that makes the window come back maximized.
inline constexpr std::uint32_t kRestoreToMaximized = 2;

// Nothing unless the text is exactly ten numbers in range, separated by single commas.
std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text);
std::string FormatWindowPlacement(const WindowPlacement& placement);
