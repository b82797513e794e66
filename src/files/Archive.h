#pragma once
// The binary archive of the puzzle data file: little-endian 32-bit numbers and texts with a
// length prefix of one byte (below 255), or 0xFF and 16 bits (below 0xFFFE), or 0xFF, 0xFFFF
// and 32 bits. Texts are single-byte Windows-1252 and carry no terminator.

#include <cstdint>
#include <string>
#include <string_view>

class ArchiveWriter {
public:
    void WriteNumber(std::int32_t value);
    void WriteText(std::string_view text);
    const std::string& Bytes() const { return bytes_; }
    void Clear() { bytes_.clear(); }

private:
    void WriteUnsigned(std::uint32_t value, int byteNbr);
    std::string bytes_;
};

// Reads from bytes it does not own; every read checks that the bytes are there and fails
// without moving otherwise.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadNumber(std::int32_t& value);
    bool ReadText(std::string& text);
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    bool ReadUnsigned(std::uint32_t& value, int byteNbr);
    std::string_view bytes_;
    std::size_t position_ = 0;
};
