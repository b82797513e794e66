#include "cli/CliInput.h"

#include <iostream>
#include <iterator>

#include "files/BoardImport.h"
#include "files/TextLineFile.h"

int ScanInputBoards(std::string_view text, HeadlessPlatform& platform, int firstIndex,
                    const InputBoardVisitor& visit, bool report) {
    InputBoard board;
    board.index = firstIndex;
    // The CLI keeps the default Wordoku assignment: it never reads the user's settings.
    const BoardScan scan = ScanBoardText(text, 0, [&board, &visit](const BoardData& record) {
        if (visit) {
            board.data = record;
            visit(board);
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
            texts.emplace_back(std::istreambuf_iterator<char>(std::cin),
                               std::istreambuf_iterator<char>());
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
