#include "files/FileError.h"

#include <array>
#include <cerrno>
#include <utility>

const char* FileErrorText(FileError error) {
    static constexpr std::array<std::pair<FileError, const char*>, 14> kTexts = {{
        {FileError::Generic, "Unspecified Error Occurred"},
        {FileError::FileNotFound, "File Not Found"},
        {FileError::BadPath, "Invalid Path"},
        {FileError::TooManyOpenFiles, "Too Many Files Open"},
        {FileError::AccessDenied, "Access Denied"},
        {FileError::InvalidFile, "Invalid File"},
        {FileError::RemoveCurrentDirectory, "Unable to Remove Directory"},
        {FileError::DirectoryFull, "Directory Full"},
        {FileError::BadSeek, "Error Occurred on Seek"},
        {FileError::HardwareError, "Hardware Error"},
        {FileError::SharingViolation, "Sharing Violation"},
        {FileError::LockViolation, "Lock Violation"},
        {FileError::DiskFull, "Disk Full"},
        {FileError::EndOfFile, "Unexpected End of File"},
    }};
    for (const auto& [cause, text] : kTexts)
        if (cause == error) return text;
    return "Unknown Error !!!";
}

FileError FileErrorFromErrno(int errorNumber) {
    switch (errorNumber) {
        case 0:
            return FileError::None;
        case ENOENT:
            return FileError::FileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return FileError::BadPath;
        case EMFILE:
        case ENFILE:
            return FileError::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileError::AccessDenied;
        case EBADF:
            return FileError::InvalidFile;
        case EBUSY:
        case ETXTBSY:
            return FileError::SharingViolation;
        case EDEADLK:
        case ENOLCK:
            return FileError::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileError::DiskFull;
        case ESPIPE:
            return FileError::BadSeek;
        case EIO:
            return FileError::HardwareError;
        default:
            return FileError::Generic;
    }
}

FileError FileErrorFromCode(const std::error_code& code) {
    if (!code) return FileError::None;
    if (code.category() == std::generic_category() || code.category() == std::system_category())
        return FileErrorFromErrno(code.value());
    return FileError::Generic;
}
