#pragma once
// Why a file could not be opened, read or written, and the cause text that completes the
// messages about it.

#include <system_error>

enum class FileError {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    RemoveCurrentDirectory,
    DirectoryFull,
    BadSeek,
    HardwareError,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
};

// "Unknown Error !!!" for None and for any cause without a text of its own.
const char* FileErrorText(FileError error);
// The cause of an errno value, or of an error code of the generic or system category.
FileError FileErrorFromErrno(int errorNumber);
FileError FileErrorFromCode(const std::error_code& code);
