#include "cli/CliInput.h"

#include <iostream>

namespace {
int SymbolValue(char symbol) {
    if (symbol >= '1' && symbol <= '9') return symbol - '0';
    if (symbol >= 'A' && symbol <= 'G') return symbol - 'A' + 10;
    if (symbol >= 'a' && symbol <= 'g') return symbol - 'a' + 10;
    return -1;
}

bool IsBoardSymbol(char symbol) {
    return symbol == '.' || symbol == '0' || SymbolValue(symbol) != -1;
}
}  // namespace

int ParseInputBoards(std::string_view text, HeadlessPlatform&, int firstIndex,
                     const InputBoardVisitor& visit) {
    int lineNumber = 0, boardNbr = 0;
    InputBoard board;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;

        const int size = line.size() == 81 ? 9 : line.size() == 256 ? 16 : 0;
        bool valid = size != 0;
        for (char symbol : line) valid = valid && IsBoardSymbol(symbol);
        for (char symbol : line) valid = valid && SymbolValue(symbol) <= size;
        if (!valid) {
            std::cerr << "raruduz-cli: line " << lineNumber
                      << " is not a board: a board is one line of exactly 81 or 256 symbols "
                         "('.', '0', '1'-'9', 'A'-'G')\n";
            return -1;
        }
        board.index = firstIndex + boardNbr++;
        if (!visit) continue;
        board.data.size = size;
        board.data.boxSize = size == 9 ? 3 : 4;
        for (int i = 0; i < size * size; ++i) {
            const int v = SymbolValue(line[i]);
            BoardCell& cell = board.data.Cell(i % size, i / size);
            cell.value = v;
            cell.type = v == -1 ? Empty : Clue;
            cell.candidates = v == -1 ? fullMask(size) : bitOf(v);
            cell.candidateNbr = v == -1 ? size : 1;
        }
        visit(board);
    }
    return boardNbr;
}
