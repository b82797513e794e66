#pragma once
// An advisory lock beside a file ("NAME.lock"), held for a whole read-modify-write so that two
// writers of the same file queue instead of one losing the other's change. Every writer of the
// puzzle data file takes it; readers need not, as the file is always replaced whole.

#include <filesystem>

#include "files/FileError.h"

class DataFileLock {
public:
    DataFileLock() = default;
    ~DataFileLock() { Release(); }
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // Waits until no other writer holds the lock of file (followed through symbolic links, so
    // that every name of one file shares one lock). False, with the cause, when the lock file
    // cannot be opened.
    bool Acquire(const std::filesystem::path& file, FileError& error);
    void Release();

private:
    int descriptor_ = -1;
};
