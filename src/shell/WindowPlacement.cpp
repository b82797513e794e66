#include "shell/WindowPlacement.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace {
// One whole decimal number in [low, high], nothing else.
bool ParseField(std::string_view field, long long low, long long high, long long& value) {
    const char* last = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), last, value);
    return !field.empty() && error == std::errc() && stop == last && value >= low && value <= high;
}
}  // namespace

std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text) {
    constexpr long long kIntLow = std::numeric_limits<std::int32_t>::min();
    constexpr long long kIntHigh = std::numeric_limits<std::int32_t>::max();
    constexpr long long kUnsignedHigh = std::numeric_limits<std::uint32_t>::max();
    long long fields[10];
    for (int i = 0; i < 10; ++i) {
        const std::size_t comma = text.find(',');
        // The first nine end at a comma, the tenth at the end of the text.
        if ((i < 9) == (comma == std::string_view::npos)) return std::nullopt;
        const bool isUnsigned = i < 2;
        if (!ParseField(text.substr(0, comma), isUnsigned ? 0 : kIntLow,
                        isUnsigned ? kUnsignedHigh : kIntHigh, fields[i]))
            return std::nullopt;
        if (i < 9) text.remove_prefix(comma + 1);
    }
    WindowPlacement placement;
    placement.flags = static_cast<std::uint32_t>(fields[0]);
    placement.showState = static_cast<std::uint32_t>(fields[1]);
    std::int32_t* rest[] = {&placement.minimizedX, &placement.minimizedY, &placement.maximizedX,
                            &placement.maximizedY, &placement.left,       &placement.top,
                            &placement.right,      &placement.bottom};
    for (int i = 0; i < 8; ++i) *rest[i] = static_cast<std::int32_t>(fields[i + 2]);
    return placement;
}

std::string FormatWindowPlacement(const WindowPlacement& p) {
    char text[128];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showState,
                  p.minimizedX, p.minimizedY, p.maximizedX, p.maximizedY, p.left, p.top, p.right,
                  p.bottom);
    return text;
}
