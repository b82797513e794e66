#include "PuzzleSets.h"

#include <fstream>

std::vector<BoardData> ReadPuzzleSet(benchmark::State& state, const std::string& fileName) {
    std::vector<BoardData> puzzles;
    std::ifstream input(std::string(RARUDUZ_SHARED_DATA) + "/" + fileName);
    std::string line;
    while (std::getline(input, line)) {
        if (line.size() < 81 || line[0] == '#') continue;
        BoardData& data = puzzles.emplace_back();
        for (int i = 0; i < 81; ++i) {
            const char symbol = line[i];
            const int v = symbol >= '1' && symbol <= '9' ? symbol - '0' : -1;
            data.Cell(i % 9, i / 9) = {v, v == -1 ? Empty : Clue, 0, 0};
        }
    }
    if (puzzles.empty()) state.SkipWithError("puzzle set missing");
    return puzzles;
}
