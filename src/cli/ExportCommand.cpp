// raruduz-cli export: each board's export file content.

#include <iostream>

#include "cli/CliCommands.h"
#include "files/BoardExport.h"
#include "files/TextLineFile.h"

int RunExport(CliArguments& arguments) {
    const int layout = arguments.TakeInteger("--layout", 0, 3, -1);
    const std::string content = arguments.TakeValue("--content").value_or("clues");
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (layout < 0) return UsageError("option --layout is required");
    if (content != "clues" && content != "all")
        return UsageError("option --content takes clues or all, not '" + content + "'");

    HeadlessPlatform platform = MakeCliPlatform();
    // Boards read from text are never solved, so "all" warns once, as the dialog does.
    const int choice = content == "all" ? ChooseExportAll(platform, 0) : CluesOnly;
    std::string text;
    const bool read = VisitInputBoards(files, platform, [&](const InputBoard& input) {
        text.clear();
        AppendWithCrLf(text, ExportPreview({&input.data, 0, false}, layout, choice));
        std::cout << text << "\r\n";
    });
    if (!read) return kExitUsage;
    return kExitDone;
}
