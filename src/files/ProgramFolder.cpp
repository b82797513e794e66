#include "files/ProgramFolder.h"

#include "files/AtomicFile.h"
#include "platform/Platform.h"

std::optional<std::filesystem::path> WritableProgramFolder(Platform& platform,
                                                           std::string& problem) {
    const std::filesystem::path folder = platform.ProgramFolder();
    // A file opened the way every report is written, then dropped: nothing is left behind, and
    // the cause is the one the write itself would meet.
    AtomicFile probe;
    FileError error = FileError::None;
    if (probe.Open(folder / ".Raruduz", error)) return folder;
    problem =
        "Unable to Use Program Folder " + folder.string() + " !!! Cause: " + FileErrorText(error);
    return std::nullopt;
}
