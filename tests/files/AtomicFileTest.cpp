#include "files/AtomicFile.h"

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace {
namespace fs = std::filesystem;

struct stat Status(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

// A process id that is certainly gone: a child that has ended and been reaped.
pid_t FinishedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(AtomicFile, KeepsModeAndOwnerAndWritesThroughLinks) {
    TempFolder folder;
    const auto data = folder / "data";
    WriteBytes(data, "old");
    ASSERT_EQ(::chmod(data.c_str(), 0640), 0);
    // Only a privileged writer can hand a file back to another owner.
    const bool privileged = ::geteuid() == 0;
    if (privileged) {
        ASSERT_EQ(::chown(data.c_str(), 1234, 5678), 0);
    }
    fs::create_directory(folder / "sub");
    fs::create_symlink("../data", folder / "sub" / "relative");
    fs::create_symlink(folder / "sub" / "relative", folder / "link");

    FileError error = FileError::None;
    ASSERT_TRUE(WriteFileAtomically(folder / "link", "new", error));
    EXPECT_TRUE(fs::is_symlink(folder / "link"));
    EXPECT_TRUE(fs::is_symlink(folder / "sub" / "relative"));
    EXPECT_EQ(ReadBytes(data), "new");
    const struct stat written = Status(data);
    EXPECT_EQ(written.st_mode & 07777, 0640u);
    if (privileged) {
        EXPECT_EQ(written.st_uid, 1234u);
        EXPECT_EQ(written.st_gid, 5678u);
    }
    EXPECT_EQ(EntryCount(folder.path()), 3);

    // A link to nothing yet creates its target, as opening it for writing would.
    fs::create_symlink("later", folder / "dangling");
    ASSERT_TRUE(WriteFileAtomically(folder / "dangling", "first", error));
    EXPECT_TRUE(fs::is_symlink(folder / "dangling"));
    EXPECT_EQ(ReadBytes(folder / "later"), "first");

    fs::create_symlink("loop", folder / "loop");
    EXPECT_FALSE(WriteFileAtomically(folder / "loop", "x", error));
    EXPECT_EQ(error, FileError::BadPath);
}

TEST(AtomicFile, RefusesWhatIsNotARegularFile) {
    TempFolder folder;
    FileError error = FileError::None;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_symlink("pipe", folder / "to-pipe");
    for (const char* name : {"pipe", "to-pipe"}) {
        AtomicFile file;
        EXPECT_FALSE(file.Open(folder / name, error)) << name;
        EXPECT_EQ(error, FileError::InvalidFile);
    }
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    fs::create_directory(folder / "folder");
    EXPECT_FALSE(WriteFileAtomically(folder / "folder", "x", error));
    EXPECT_EQ(error, FileError::AccessDenied);
    EXPECT_TRUE(fs::is_directory(folder / "folder"));
    EXPECT_FALSE(WriteFileAtomically(folder / "none" / "data", "x", error));
    EXPECT_EQ(error, FileError::FileNotFound);
    EXPECT_EQ(EntryCount(folder.path()), 3);
}

TEST(AtomicFile, AbandonedOrKilledWritesLeaveTheOldFileAndNoTemporary) {
    TempFolder folder;
    const auto data = folder / "data";
    WriteBytes(data, "old");
    FileError error = FileError::None;
    {
        AtomicFile file;
        ASSERT_TRUE(file.Open(data, error));
        ASSERT_TRUE(file.Write(std::string(100000, 'x'), error));
    }
    EXPECT_EQ(ReadBytes(data), "old");
    EXPECT_EQ(EntryCount(folder.path()), 1);

    // Killed in the middle of a write: whatever it leaves, the next write clears up.
    const pid_t child = ::fork();
    if (child == 0) {
        AtomicFile file;
        FileError ignored = FileError::None;
        if (file.Open(data, ignored)) file.Write(std::string(100000, 'y'), ignored);
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadBytes(data), "old");
    ASSERT_TRUE(WriteFileAtomically(data, "new", error));
    EXPECT_EQ(ReadBytes(data), "new");
    EXPECT_EQ(EntryCount(folder.path()), 1);
}

TEST(AtomicFile, RemovesOnlyTheTemporariesOfWritersThatAreGone) {
    TempFolder folder;
    const std::string gone = std::to_string(FinishedProcess());
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> kept = {
        "data.tmp-" + alive + "-12",  // a live writer's
        "other.tmp-" + gone + "-1",   // another file's
        "data.tmp-" + gone,           // not a name we give
        "data.tmp-x" + gone + "-1",  "data.tmp-" + gone + "-1a",
    };
    for (const std::string& name : kept) WriteBytes(folder / name, "keep");
    WriteBytes(folder / ("data.tmp-" + gone + "-345"), "stale");
    FileError error = FileError::None;
    ASSERT_TRUE(WriteFileAtomically(folder / "data", "new", error));
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_EQ(EntryCount(folder.path()), static_cast<int>(kept.size()) + 1);
}
}  // namespace
