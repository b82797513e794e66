#pragma once
// Writes a whole file so that a failure never leaves it half-written or emptied: the bytes go to
// a temporary file in the same folder, which then replaces the old file in one rename.
//
// The file written is the one a symbolic link points to (the link stays), and it keeps the old
// file's permission bits and, where allowed, its owner. Anything but a regular file at the target
// is refused. Where the file system allows, the temporary file has no name until it is complete,
// so a killed run leaves nothing behind; otherwise it is named after the target and this
// process's id, and a later write to the same target removes it once that process is gone.

#include <filesystem>
#include <string>
#include <string_view>

#include "files/FileError.h"

class AtomicFile {
public:
    AtomicFile() = default;
    // Without a successful Commit the temporary file is removed and the old file stays.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside the target; false (and the cause) when it cannot or when
    // the target is not a regular file.
    bool Open(const std::filesystem::path& target, FileError& error);
    bool Write(std::string_view bytes, FileError& error);
    // Writes out, syncs, closes and renames the temporary file over the target.
    bool Commit(FileError& error);
    void Discard();
    bool IsOpen() const { return descriptor_ >= 0; }

private:
    bool Flush(FileError& error);
    bool Fail(int errorNumber, FileError& error);

    std::filesystem::path target_;     // with every symbolic link followed
    std::filesystem::path temporary_;  // empty while the temporary file has no name
    int descriptor_ = -1;
    std::string buffer_;
};

// Opens, writes and commits in one call.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileError& error);

// The path with every symbolic link of its last component followed, so that a write through it
// replaces the linked file. False (ELOOP or a read error in errorNumber) when it cannot be.
bool FollowLinks(const std::filesystem::path& path, std::filesystem::path& resolved,
                 int& errorNumber);
