// Any bytes as "BoardData.sbd"; what is accepted must encode back to the same records.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/PuzzleDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<PuzzleRecord> records;
    if (!ParsePuzzleData(bytes, records)) {
        if (!records.empty()) __builtin_trap();
        return 0;
    }
    const std::string written = EncodePuzzleData(records, nullptr);
    std::vector<PuzzleRecord> again;
    if (!ParsePuzzleData(written, again)) __builtin_trap();
    if (EncodePuzzleData(again, nullptr) != written) __builtin_trap();
    // Whatever was accepted can become the board.
    for (const PuzzleRecord& record : records) {
        const BoardData board = ToBoardData(record);
        if (board.clueNbr + board.givenNbr + board.emptyNbr != board.size * board.size)
            __builtin_trap();
    }
    return 0;
}
