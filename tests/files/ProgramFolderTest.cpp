#include "files/ProgramFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "TempFolder.h"
#include "TestSupport.h"
#include "files/SolveLog.h"

namespace {
std::optional<std::filesystem::path> Check(HeadlessPlatform& platform, std::string& problem) {
    problem.clear();
    return WritableProgramFolder(platform, problem);
}
}  // namespace

TEST(ProgramFolder, AUsableFolderIsCreatedAndLeftAsItWas) {
    TempFolder temp;
    HeadlessPlatform platform;
    platform.programFolder = temp / "missing" / "Raruduz";
    std::string problem;
    EXPECT_EQ(Check(platform, problem), platform.programFolder);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(EntryCount(platform.programFolder), 0);
}

TEST(ProgramFolder, AFolderThatCannotBeWrittenIsNamedWithTheCause) {
    TempFolder temp;
    HeadlessPlatform platform;
    std::string problem;
    // The program folder set to a plain file.
    WriteBytes(temp / "file", "x");
    platform.programFolder = temp / "file";
    EXPECT_FALSE(Check(platform, problem));
    EXPECT_EQ(problem, "Unable to Use Program Folder " + (temp / "file").string() +
                           " !!! Cause: Invalid Path");
    EXPECT_EQ(ReadBytes(temp / "file"), "x");

    // Every command that writes there reports it the same way, and writes nothing.
    auto board = MakeBoard(platform, kClassicPuzzle);
    EXPECT_EQ(StoreSolveLog(*board, ""), 0);
    EXPECT_EQ(platform.messages, std::vector<std::string>{problem});

    // A folder without write permission (root writes anywhere: nothing to check then).
    std::filesystem::create_directories(temp / "locked");
    std::filesystem::permissions(
        temp / "locked", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    platform.programFolder = temp / "locked";
    if (::geteuid() != 0) {
        EXPECT_FALSE(Check(platform, problem));
        EXPECT_EQ(problem, "Unable to Use Program Folder " + (temp / "locked").string() +
                               " !!! Cause: Access Denied");
        EXPECT_EQ(EntryCount(temp / "locked"), 0);
    }
}
