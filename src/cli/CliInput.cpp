#include "cli/CliInput.h"

#include <iostream>
#include <iterator>

#include "files/BoardImport.h"
#include "files/TextLineFile.h"

void AppendInputBoards(std::string_view text, HeadlessPlatform& platform,
                       std::vector<InputBoard>& boards) {
    // The CLI keeps the default Wordoku assignment: it never reads the user's settings.
    const BoardScan scan = ScanBoardText(text, 0, [&boards](const BoardData& record) {
        boards.push_back({static_cast<int>(boards.size()) + 1, record});
    });
    ReportSkippedBoards(platform, scan.skippedNbr);
}

bool ReadInputBoards(const std::vector<std::string>& files, HeadlessPlatform& platform,
                     std::vector<InputBoard>& boards) {
    std::vector<std::string> names = files;
    if (names.empty()) names.push_back("-");
    for (const std::string& name : names) {
        if (name == "-") {
            const std::string text{std::istreambuf_iterator<char>(std::cin),
                                   std::istreambuf_iterator<char>()};
            AppendInputBoards(text, platform, boards);
            continue;
        }
        TextLineFile file(platform);
        if (!file.OpenForRead(name, true)) {
            platform.ShowMessage("Unable to Read Sudoku File " + name + "... ");
            return false;
        }
        AppendInputBoards(file.Text(), platform, boards);
    }
    if (boards.empty()) {
        std::cerr << "raruduz-cli: no board found in the input\n";
        return false;
    }
    return true;
}
