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
    std::vector<InputBoard> boards;
    if (!ReadInputBoards(files, platform, boards)) return kExitUsage;
    std::vector<BoardData> records;
    records.reserve(boards.size());
    for (InputBoard& board : boards) records.push_back(std::move(board.data));
    boards.clear();

    const std::filesystem::path report =
        out ? std::filesystem::path(*out) : BatchReportPath(platform);
    if (RunBatchProcessing(platform, records, report) != BatchOutcome::Written) return kExitUsage;
    std::cout << report.string() << '\n';
    return kExitDone;
}
