// raruduz-cli export: each board's export file content.

#include <iostream>
#include <optional>

#include "cli/CliCommands.h"
#include "engine/SudokuBoard.h"
#include "files/BoardExport.h"
#include "files/TextLineFile.h"

int RunExport(CliArguments& arguments) {
    const int layoutIndex = arguments.TakeInteger("--layout", 0, 3, -1);
    const std::string content = arguments.TakeValue("--content").value_or("clues");
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (layoutIndex < 0) return UsageError("option --layout is required");
    const auto layout = static_cast<ExportLayout>(layoutIndex);
    if (content != "clues" && content != "all")
        return UsageError("option --content takes clues or all, not '" + content + "'");

    std::optional<ExportContent> choice;
    std::string text;
    return RunOverInputBoards(arguments, [&](SudokuBoard& board, const InputBoard& input) {
        // Boards read from text are never solved, so "all" warns once, as the dialog does.
        if (!choice) choice = content == "all" ? ChooseExportAll(board.platform(), 0) : CluesOnly;
        text.clear();
        AppendWithCrLf(text, ExportPreview({&input.data, 0, false}, layout, *choice));
        std::cout << text << "\r\n";
    });
}
