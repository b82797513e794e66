#include "files/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::size_t kBufferLimit = 1 << 16;
constexpr int kLinkLimit = 40;
constexpr char kTemporaryMark[] = ".tmp-";

// "NAME.tmp-PID-NONCE": a name no other writer picks, which tells whose it is.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned attempt) {
    static const auto seed = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    static std::atomic<unsigned long long> counter = 0;
    const unsigned long long nonce = (seed + ++counter * 7919u + attempt) % 1000000000u;
    std::filesystem::path name = target;
    name += kTemporaryMark + std::to_string(::getpid()) + "-" + std::to_string(nonce);
    return name;
}

// The id of the process that named a temporary file of target, or 0 for any other name.
pid_t WriterOf(std::string_view name, std::string_view targetName) {
    const std::string prefix = std::string(targetName) + kTemporaryMark;
    if (name.substr(0, prefix.size()) != prefix) return 0;
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos || dash + 1 == name.size()) return 0;
    long pid = 0;
    const auto [end, status] = std::from_chars(name.data(), name.data() + dash, pid);
    if (status != std::errc() || end != name.data() + dash || pid <= 0) return 0;
    for (char c : name.substr(dash + 1))
        if (c < '0' || c > '9') return 0;
    return static_cast<pid_t>(pid);
}

// Temporary files of target left by runs that were killed; a live writer's are never touched.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
    const std::string targetName = target.filename().string();
    std::error_code code;
    std::filesystem::directory_iterator entries(
        target.parent_path().empty() ? "." : target.parent_path(), code);
    for (; !code && entries != std::filesystem::directory_iterator(); entries.increment(code)) {
        const pid_t writer = WriterOf(entries->path().filename().string(), targetName);
        if (writer == 0 || writer == ::getpid()) continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        std::filesystem::remove(entries->path(), ignored);
    }
}

// An unnamed file in folder, where the system offers them and can name them later.
int OpenUnnamed(const std::filesystem::path& folder) {
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) != 0) return -1;
    return ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#else
    (void)folder;
    return -1;
#endif
}
}  // namespace

bool FollowLinks(const std::filesystem::path& path, std::filesystem::path& resolved,
                 int& errorNumber) {
    resolved = path;
    for (int hop = 0; hop < kLinkLimit; ++hop) {
        struct stat status {};
        if (::lstat(resolved.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return true;
        std::string link(static_cast<std::size_t>(status.st_size) + 1, '\0');
        const ssize_t length = ::readlink(resolved.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            errorNumber = length < 0 ? errno : EINVAL;
            return false;
        }
        link.resize(static_cast<std::size_t>(length));
        const std::filesystem::path next(link);
        resolved = next.is_absolute() ? next : resolved.parent_path() / next;
    }
    errorNumber = ELOOP;
    return false;
}

AtomicFile::~AtomicFile() {
    Discard();
}

bool AtomicFile::Fail(int errorNumber, FileError& error) {
    error = FileErrorFromErrno(errorNumber);
    if (error == FileError::None) error = FileError::Generic;
    Discard();
    return false;
}

bool AtomicFile::Open(const std::filesystem::path& target, FileError& error) {
    Discard();
    int errorNumber = 0;
    if (!FollowLinks(target, target_, errorNumber)) return Fail(errorNumber, error);
    struct stat old {};
    const bool existed = ::stat(target_.c_str(), &old) == 0;
    if (!existed && errno != ENOENT) return Fail(errno, error);
    // A folder, a pipe or a device is no file to replace: writing there would destroy it.
    if (existed && !S_ISREG(old.st_mode)) {
        error = S_ISDIR(old.st_mode) ? FileError::AccessDenied : FileError::InvalidFile;
        return false;
    }
    RemoveStaleTemporaries(target_);
    descriptor_ = OpenUnnamed(target_.parent_path());
    for (unsigned attempt = 0; descriptor_ < 0 && attempt < 64; ++attempt) {
        temporary_ = TemporaryName(target_, attempt);
        descriptor_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ < 0) {
            errorNumber = errno;
            temporary_.clear();
            if (errorNumber != EEXIST) break;
        }
    }
    if (descriptor_ < 0) return Fail(errorNumber, error);
    if (existed) {
        // The owner first: a change of owner may clear the set-id bits that chmod then restores.
        // Another user's file becomes ours where the system does not let us give it back.
        [[maybe_unused]] const int owned = ::fchown(descriptor_, old.st_uid, old.st_gid);
        if (::fchmod(descriptor_, old.st_mode & 07777) != 0) return Fail(errno, error);
    }
    return true;
}

bool AtomicFile::Flush(FileError& error) {
    std::size_t written = 0;
    while (written < buffer_.size()) {
        const ssize_t n = ::write(descriptor_, buffer_.data() + written, buffer_.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(errno, error);
        }
        written += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
}

bool AtomicFile::Write(std::string_view bytes, FileError& error) {
    if (!IsOpen()) {
        error = FileError::InvalidFile;
        return false;
    }
    buffer_.append(bytes);
    return buffer_.size() < kBufferLimit || Flush(error);
}

bool AtomicFile::Commit(FileError& error) {
    if (!IsOpen()) {
        error = FileError::InvalidFile;
        return false;
    }
    if (!Flush(error)) return false;
    if (::fsync(descriptor_) != 0) return Fail(errno, error);
    // The complete unnamed file gets a name of its own first: linkat cannot replace the target.
    for (unsigned attempt = 0; temporary_.empty() && attempt < 64; ++attempt) {
        const std::string self = "/proc/self/fd/" + std::to_string(descriptor_);
        const std::filesystem::path name = TemporaryName(target_, attempt);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            temporary_ = name;
        else if (errno != EEXIST)
            return Fail(errno, error);
    }
    if (temporary_.empty()) return Fail(EEXIST, error);
    const int closed = ::close(descriptor_);
    descriptor_ = -1;
    if (closed != 0) return Fail(errno, error);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(errno, error);
    temporary_.clear();
    return true;
}

void AtomicFile::Discard() {
    buffer_.clear();
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         FileError& error) {
    AtomicFile file;
    return file.Open(target, error) && file.Write(bytes, error) && file.Commit(error);
}
