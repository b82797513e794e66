// Any bytes as "BoardData.sbd"; what is accepted must encode back to the same records.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/PuzzleDataFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<BoardData> records;
    if (!ParsePuzzleData(bytes, records)) {
        if (!records.empty()) __builtin_trap();
        return 0;
    }
    std::vector<BoardData> again;
    if (!ParsePuzzleData(EncodePuzzleData(records, nullptr), again)) __builtin_trap();
    if (again.size() != records.size()) __builtin_trap();
    for (std::size_t k = 0; k < records.size(); ++k)
        if (again[k].name != records[k].name || again[k].cells != records[k].cells)
            __builtin_trap();
    return 0;
}
