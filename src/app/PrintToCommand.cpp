#include "app/PrintToCommand.h"

#include <cstdio>

#include "files/AtomicFile.h"
#include "platform/HeadlessPlatform.h"
#include "shell/PuzzleSheet.h"
#include "ui/PageOutput.h"
#include "ui/SheetPages.h"

namespace {
int Fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 2;
}
}  // namespace

int RunPrintTo(const PrintToRequest& request) {
    // Settings in memory and messages to standard error: a sheet never touches the user's
    // settings or program folder.
    HeadlessPlatform platform;
    platform.echoToStandardError = true;
    // Opened first, so that an output that cannot be written is told before any work, and an
    // unfinished run leaves nothing behind.
    AtomicFile output;
    FileError error = FileError::None;
    if (!output.Open(request.output, error))
        return Fail(WriteFailureMessage(request.output, error));
    const std::vector<SheetBoard> boards = ReadSheetBoards(platform, request.input);
    if (boards.empty()) return Fail("raruduz: no board found in " + request.input.string());
    const SheetPages pages(boards, request.perPage, request.solutions);
    const QByteArray bytes = PagesFileBytes(request.format, pages);
    if (!output.Write(std::string_view(bytes.constData(), bytes.size()), error) ||
        !output.Commit(error))
        return Fail(WriteFailureMessage(request.output, error));
    return 0;
}
