// raruduz-cli batch: the batch report over every board of a file.

#include <iostream>

#include "cli/CliCommands.h"
#include "files/BatchRun.h"

int RunBatch(CliArguments& arguments) {
    const std::optional<std::string> out = arguments.TakeValue("--out");
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (files.size() != 1) return UsageError("batch takes exactly one FILE");

    HeadlessPlatform platform = MakeCliPlatform();
    const std::filesystem::path report =
        out ? std::filesystem::path(*out) : BatchReportPath(platform);
    // Boards go through one at a time: a large collection costs no more than its text.
    BatchRun run(platform);
    bool started = false;
    bool failed = false;
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& board) {
        if (!started) {
            started = true;
            failed = !run.Start(report);
        }
        if (!failed) failed = !run.Add(board.data);
    });
    if (!read || failed || !run.Finish()) return kExitUsage;
    std::cout << report.string() << '\n';
    return kExitDone;
}
