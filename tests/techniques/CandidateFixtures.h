#pragma once
// Candidate states written as pictures, for the pattern tests of the technique routines: start
// from an open board (every cell empty, every candidate), then shape the candidates of a few
// cells or the places of one value.

#include <memory>
#include <string>
#include <string_view>

#include "TestSupport.h"
#include "techniques/SolveStep.h"

// Every cell empty with the full candidate set.
inline std::unique_ptr<SudokuBoard> OpenBoard(HeadlessPlatform& platform, int size = 9) {
    auto board = std::make_unique<SudokuBoard>(platform);
    board->Initialise(size, 0, "", "", nullptr, 0, 0);
    return board;
}

// The candidates of cell (x, y) become the listed value symbols ("127", "9AG").
inline void SetCandidates(SudokuBoard& board, int x, int y, std::string_view symbols) {
    std::uint32_t mask = 0;
    for (const char c : symbols) mask |= bitOf(c <= '9' ? c - '0' : c - 'A' + 10);
    board.Cell(x, y).candidates = mask;
    board.Cell(x, y).candidateNbr = BitCount(mask);
}

// Where value v stays a candidate: one picture row per board row, 'x' keeps v, '.' removes it.
// Blanks are ignored.
inline void PaintValue(SudokuBoard& board, int v, std::string_view picture) {
    int i = 0;
    for (const char c : picture) {
        if (c != 'x' && c != '.') continue;
        BoardCell& cell = board.Cell(i % board.size, i / board.size);
        const bool has = (cell.candidates & bitOf(v)) != 0;
        if (has && c == '.') {
            cell.candidates &= ~bitOf(v);
            --cell.candidateNbr;
        } else if (!has && c == 'x') {
            cell.candidates |= bitOf(v);
            ++cell.candidateNbr;
        }
        ++i;
    }
}

// Exchanges columns and rows, so a row pattern becomes the matching column pattern.
inline void Transpose(SudokuBoard& board) {
    for (int x = 0; x < board.size; ++x)
        for (int y = x + 1; y < board.size; ++y) std::swap(board.Cell(x, y), board.Cell(y, x));
}

// What changed between two grids, as "rRcC=S" for a placed value and "rRcC-SSS" for removed
// candidates, cells in reading order, separated by blanks.
inline std::string Changes(const SudokuBoard& board, const CellGrid& before) {
    std::string text;
    for (int y = 0; y < board.size; ++y)
        for (int x = 0; x < board.size; ++x) {
            const BoardCell& was = before[CellIndex(x, y)];
            const BoardCell& now = board.Cell(x, y);
            const std::string cell = "r" + std::to_string(y + 1) + "c" + std::to_string(x + 1);
            if (now.value != was.value) text += " " + cell + "=" + ValueSymbol(now.value);
            const std::uint32_t removed = was.candidates & ~now.candidates;
            if (removed == 0) continue;
            text += " " + cell + "-";
            for (int v = 1; v <= board.size; ++v)
                if (removed & bitOf(v)) text += ValueSymbol(v);
        }
    return text.empty() ? text : text.substr(1);
}

// Runs a routine and returns what it changed ("" when it found nothing).
template <typename Routine>
std::string RunRoutine(Routine routine, SudokuBoard& board, SolveStep& step) {
    const CellGrid before = board.cells;
    const int found = routine(board, step);
    const std::string changes = Changes(board, before);
    return found ? changes
                 : (changes.empty() ? std::string() : "changed without a step: " + changes);
}

// Four cells as their columns, then their rows, as the step records list them.
inline std::array<int, 8> CornerList(const std::array<StepCell, 4>& cells) {
    return {cells[0].column, cells[1].column, cells[2].column, cells[3].column,
            cells[0].row,    cells[1].row,    cells[2].row,    cells[3].row};
}
