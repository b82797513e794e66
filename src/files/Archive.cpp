#include "files/Archive.h"

void ArchiveWriter::WriteUnsigned(std::uint32_t value, int byteNbr) {
    for (int i = 0; i < byteNbr; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void ArchiveWriter::WriteNumber(std::int32_t value) {
    WriteUnsigned(static_cast<std::uint32_t>(value), 4);
}

void ArchiveWriter::WriteText(std::string_view text) {
    const auto length = static_cast<std::uint32_t>(text.size());
    if (length < 0xFF) {
        WriteUnsigned(length, 1);
    } else if (length < 0xFFFE) {
        WriteUnsigned(0xFF, 1);
        WriteUnsigned(length, 2);
    } else {
        WriteUnsigned(0xFF, 1);
        WriteUnsigned(0xFFFF, 2);
        WriteUnsigned(length, 4);
    }
    bytes_.append(text);
}

bool ArchiveReader::ReadUnsigned(std::uint32_t& value, int byteNbr) {
    if (Remaining() < static_cast<std::size_t>(byteNbr)) return false;
    value = 0;
    for (int i = 0; i < byteNbr; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[position_ + i]))
                 << (8 * i);
    position_ += byteNbr;
    return true;
}

bool ArchiveReader::ReadNumber(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!ReadUnsigned(bits, 4)) return false;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool ArchiveReader::ReadText(std::string& text) {
    const std::size_t start = position_;
    std::uint32_t length = 0;
    bool read = ReadUnsigned(length, 1);
    if (read && length == 0xFF) {
        read = ReadUnsigned(length, 2);
        // 0xFFFE announces a wide-character text, which this file never holds.
        if (read && length == 0xFFFE) read = false;
        if (read && length == 0xFFFF) read = ReadUnsigned(length, 4);
    }
    if (!read || length > Remaining()) {
        position_ = start;
        return false;
    }
    text.assign(bytes_.substr(position_, length));
    position_ += length;
    return true;
}
