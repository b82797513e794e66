#include "cli/CliInput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include "cli/Interruption.h"
#include "files/BoardImport.h"
#include "files/TextLineFile.h"

namespace {
// The whole of standard input. A Ctrl-C while it waits for the terminal ends the run.
bool ReadStandardInput(std::string& text) {
    char buffer[65536];
    for (;;) {
        const ssize_t read = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (read > 0) {
            text.append(buffer, static_cast<std::size_t>(read));
        } else if (read == 0) {
            return true;
        } else if (errno == EINTR) {
            EndRunIfInterrupted();
        } else {
            std::cerr << "raruduz-cli: unable to read standard input: " << std::strerror(errno)
                      << "\n";
            return false;
        }
    }
}
}  // namespace

int ScanInputBoards(std::string_view text, HeadlessPlatform& platform, int firstIndex,
                    const InputBoardVisitor& visit, bool report) {
    InputBoard board;
    board.index = firstIndex;
    // The CLI keeps the default Wordoku assignment: it never reads the user's settings.
    const BoardScan scan = ScanBoardText(text, 0, [&board, &visit](const BoardData& record) {
        if (visit) {
            board.data = record;
            visit(board);
            EndRunIfInterrupted();
        }
        ++board.index;
    });
    if (report) ReportSkippedBoards(platform, scan.skippedNbr);
    return scan.boardNbr;
}

bool VisitInputBoards(const std::vector<std::string>& files, HeadlessPlatform& platform,
                      const InputBoardVisitor& visit) {
    std::vector<std::string> names = files;
    if (names.empty()) names.push_back("-");
    std::vector<std::string> texts;
    for (const std::string& name : names) {
        if (name == "-") {
            if (!ReadStandardInput(texts.emplace_back())) return false;
            continue;
        }
        TextLineFile file(platform);
        if (!file.OpenForRead(name, true)) {
            platform.ShowMessage("Unable to Read Sudoku File " + name + "... ");
            return false;
        }
        texts.emplace_back(file.Text());
    }
    int boardNbr = 0;
    for (const std::string& text : texts)
        boardNbr += ScanInputBoards(text, platform, boardNbr + 1, nullptr, true);
    if (boardNbr == 0) {
        std::cerr << "raruduz-cli: no board found in the input\n";
        return false;
    }
    boardNbr = 0;
    for (const std::string& text : texts)
        boardNbr += ScanInputBoards(text, platform, boardNbr + 1, visit, false);
    return true;
}

bool ReadInputBoards(const std::vector<std::string>& files, HeadlessPlatform& platform,
                     std::vector<InputBoard>& boards) {
    return VisitInputBoards(files, platform,
                            [&boards](const InputBoard& board) { boards.push_back(board); });
}
