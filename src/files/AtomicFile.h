#pragma once
// Writes a whole file so that a failure never leaves it half-written or emptied: the bytes go to
// a temporary file in the same folder, which then replaces the old file in one rename.

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "files/FileError.h"

class AtomicFile {
public:
    AtomicFile() = default;
    // Without a successful Commit the temporary file is removed and the old file stays.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside target; false (and the cause) when it cannot.
    bool Open(const std::filesystem::path& target, FileError& error);
    bool Write(std::string_view bytes, FileError& error);
    // Flushes, closes and renames the temporary file over the target.
    bool Commit(FileError& error);
    void Discard();
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::FILE* file_ = nullptr;
};

// Opens, writes and commits in one call.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileError& error);
