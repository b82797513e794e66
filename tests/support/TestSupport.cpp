#include "TestSupport.h"

#include <fstream>

std::unique_ptr<SudokuBoard> MakeBoard(HeadlessPlatform& platform, std::string_view text) {
    std::string symbols;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\t' && c != '\r') symbols += c;
    const int size = symbols.size() == 256 ? 16 : 9;
    auto board = std::make_unique<SudokuBoard>(platform);
    board->Initialise(size, 0, "", "", nullptr, 0, 0);
    for (int i = 0; i < size * size && i < static_cast<int>(symbols.size()); ++i) {
        const char c = symbols[i];
        if (const int v = SymbolValue(c)) {
            board->Cell(i % size, i / size).value = v;
            board->Cell(i % size, i / size).type = Clue;
        }
    }
    board->RecomputeCandidates();
    board->Recount();
    return board;
}

std::vector<std::string> ReadPuzzleLines(const std::string& path, std::size_t maxLines) {
    std::vector<std::string> lines;
    std::ifstream input(path);
    std::string line;
    while (lines.size() < maxLines && std::getline(input, line))
        if (line.size() >= 81 && line[0] != '#') {
            const bool board16 =
                line.size() >= 256 && line.find_first_not_of(".0123456789ABCDEFG") >= 256;
            lines.push_back(line.substr(0, board16 ? 256 : 81));
        }
    return lines;
}
