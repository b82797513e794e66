#include "files/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Open(const std::filesystem::path& target, FileError& error) {
    Discard();
    target_ = target;
    // A name that no other writer picks: the clock and this object's address, retried on a clash.
    const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count() ^
        reinterpret_cast<std::uintptr_t>(this));
    for (unsigned attempt = 0; attempt < 64; ++attempt) {
        temporary_ = target;
        temporary_ += ".tmp" + std::to_string((seed + attempt * 7919u) % 1000000u);
        errno = 0;
        file_ = std::fopen(temporary_.string().c_str(), "wbx");
        if (file_) return true;
        if (errno != EEXIST) break;
    }
    error = FileErrorFromErrno(errno);
    if (error == FileError::None) error = FileError::Generic;
    temporary_.clear();
    return false;
}

bool AtomicFile::Write(std::string_view bytes, FileError& error) {
    if (!file_) {
        error = FileError::InvalidFile;
        return false;
    }
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
    error = FileErrorFromErrno(errno);
    if (error == FileError::None) error = FileError::Generic;
    Discard();
    return false;
}

bool AtomicFile::Commit(FileError& error) {
    if (!file_) {
        error = FileError::InvalidFile;
        return false;
    }
    errno = 0;
    const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    const int flushError = errno;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) {
        error = FileErrorFromErrno(flushed ? errno : flushError);
        if (error == FileError::None) error = FileError::Generic;
        Discard();
        return false;
    }
    std::error_code code;
    std::filesystem::rename(temporary_, target_, code);
    if (code) {
        error = FileErrorFromCode(code);
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFile::Discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        temporary_.clear();
    }
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileError& error) {
    AtomicFile file;
    return file.Open(target, error) && file.Write(bytes, error) && file.Commit(error);
}
