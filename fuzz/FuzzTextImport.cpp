// Any bytes as a text file for the board import.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/BoardImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int clueNbr = 0;
    const BoardScan scan = ScanBoardText(text, 0, [&clueNbr](const BoardData& record) {
        // Every record handed out must be a sound board.
        if (record.size != 9 && record.size != 16) __builtin_trap();
        for (int x = 0; x < record.size; ++x)
            for (int y = 0; y < record.size; ++y) {
                const int v = record.Cell(x, y).value;
                if (v != -1 && (v < 1 || v > record.size)) __builtin_trap();
            }
        clueNbr += record.clueNbr;
        BoardListLine(record);
    });
    if (scan.boardNbr < 0 || scan.skippedNbr < 0 || clueNbr < 0) __builtin_trap();
    return 0;
}
