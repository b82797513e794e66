#pragma once
// The program folder as the commands that write into it need it: a folder in which a file can be
// created. Every command that writes there asks here first, so a folder that cannot be used is
// reported the same way, naming the folder and the cause, whichever command meets it.

#include <filesystem>
#include <optional>
#include <string>

class Platform;

// The program folder, or nothing with `problem` set to the message to show the user.
std::optional<std::filesystem::path> WritableProgramFolder(Platform& platform,
                                                           std::string& problem);
