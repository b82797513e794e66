// Any bytes as a kept session: refused, or read into a board that writes back to the same text.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/SessionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<SessionBoard> session = ParseSession(text);
    if (!session) return 0;
    const BoardData& board = session->board;
    for (int i = 0; i < board.size * board.size; ++i) {
        const int value = board.cells[static_cast<std::size_t>(i)].value;
        if (value != -1 && (value < 1 || value > board.size)) __builtin_trap();
    }
    // What was read is written back unchanged, so a kept session survives any number of runs.
    const std::optional<SessionBoard> again = ParseSession(FormatSession(*session));
    if (!again || FormatSession(*again) != FormatSession(*session)) __builtin_trap();
    return 0;
}
