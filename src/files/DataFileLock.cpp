#include "files/DataFileLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "files/AtomicFile.h"

bool DataFileLock::Acquire(const std::filesystem::path& file, FileError& error) {
    Release();
    std::filesystem::path target;
    int errorNumber = 0;
    if (FollowLinks(file, target, errorNumber)) {
        target += ".lock";
        // The lock file stays: removing it would let a third writer lock a new file while the
        // second still waits on the old one.
        descriptor_ = ::open(target.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        errorNumber = errno;
    }
    while (descriptor_ >= 0 && ::flock(descriptor_, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        errorNumber = errno;
        Release();
    }
    if (descriptor_ >= 0) return true;
    error = FileErrorFromErrno(errorNumber);
    if (error == FileError::None) error = FileError::Generic;
    return false;
}

void DataFileLock::Release() {
    // Closing the descriptor releases the lock.
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}
