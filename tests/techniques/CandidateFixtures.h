#pragma once
// Candidate states written as pictures, for the pattern tests of the technique routines: start
// from an open board (every cell empty, every candidate), then shape the candidates of a few
// cells or the places of one value.

#include <memory>
#include <string>
#include <string_view>

#include "TestSupport.h"
#include "techniques/StepEffects.h"
#include "techniques/TechniqueTable.h"

// Every cell empty with the full candidate set.
inline std::unique_ptr<SudokuBoard> OpenBoard(HeadlessPlatform& platform, int size = 9) {
    auto board = std::make_unique<SudokuBoard>(platform);
    board->Initialise(size, 0, "", "", nullptr, 0, 0);
    return board;
}

// The candidates of cell (x, y) become the listed value symbols ("127", "9AG").
inline void SetCandidates(SudokuBoard& board, int x, int y, std::string_view symbols) {
    std::uint32_t mask = 0;
    for (const char c : symbols) mask |= bitOf(SymbolValue(c));
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

// Every change between two boards, as raruduz-cli steps lists them: what a step's display must
// account for.
inline std::string BoardChanges(const SudokuBoard& board, const CellGrid& before) {
    std::vector<CellEffect> changes;
    for (int y = 0; y < board.size; ++y)
        for (int x = 0; x < board.size; ++x) {
            const BoardCell &was = before[CellIndex(x, y)], &now = board.Cell(x, y);
            if (now.value >= 1 && now.value != was.value)
                changes.push_back({x, y, now.value, 0});
            else if (now.IsEmpty() && (was.candidates & ~now.candidates))
                changes.push_back({x, y, -1, was.candidates & ~now.candidates});
        }
    return StepEffectsText(changes);
}

// Runs a routine and returns what its step shows it changed, implied removals omitted ("" when it
// found nothing). The display must account for every change on the board.
// The routine's writes must keep the board's masks true to its cells.
template <typename Routine>
std::string RunRoutine(Routine routine, SudokuBoard& board, SolveStep& step) {
    // The pictures above write cells directly.
    board.RebuildMasks();
    const CellGrid before = board.cells;
    const int found = routine(board, step);
    UnitMasks rebuilt;
    rebuilt.Build(board.cells, board.size);
    if (!(rebuilt == board.Masks())) return "masks left behind the cells";
    const std::string changes = BoardChanges(board, before);
    if (!found) return changes.empty() ? std::string() : "changed without a step: " + changes;
    auto display = std::make_unique<StepDisplay>();
    ShowStep(step, *display);
    const std::string shown =
        StepEffectsText(StepEffects(*display, board, before, ImpliedRemovals::Listed));
    if (shown != changes) return "shown " + shown + " but changed " + changes;
    return StepEffectsText(StepEffects(*display, board, before, ImpliedRemovals::Omitted));
}

// Four cells as their columns, then their rows, as the step records list them.
inline std::array<int, 8> CornerList(const std::array<StepCell, 4>& cells) {
    return {cells[0].column, cells[1].column, cells[2].column, cells[3].column,
            cells[0].row,    cells[1].row,    cells[2].row,    cells[3].row};
}
