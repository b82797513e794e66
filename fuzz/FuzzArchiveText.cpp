// Any bytes as a run of archive texts; a decoded text encodes back to the bytes it came from.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/Archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ArchiveReader reader(bytes);
    std::string text;
    while (reader.Remaining() > 0) {
        const std::size_t before = reader.Remaining();
        if (!reader.ReadText(text)) {
            if (reader.Remaining() != before) __builtin_trap();
            break;
        }
        if (text.size() > before) __builtin_trap();
        ArchiveWriter writer;
        writer.WriteText(text);
        // A file may use a longer prefix than needed, so the texts are compared, not the bytes.
        ArchiveReader back(writer.Bytes());
        std::string same;
        if (!back.ReadText(same) || same != text || back.Remaining() != 0) __builtin_trap();
    }
    return 0;
}
