// Pointing pairs (a box's candidates of a value all on one line clear the rest of the line) and
// box line reductions (a line's candidates of a value all in one box clear the rest of the box).
// Both look at one line at a time, cut into chunks of one box width; per chunk they gather
// candidate masks once and then answer every value with mask tests.

#include "techniques/TechniqueRoutines.h"
#include "techniques/UnitQueries.h"

namespace {
// A row or a column seen from one code path: a position along the line, and the chunks where
// it crosses the boxes.
struct Line {
    const SudokuBoard& board;
    UnitKind kind;
    int index;

    int CellAt(int position) const { return UnitCellIndex(board, kind, index, position); }
    bool Holds(int cellIndex) const {
        return (kind == RowUnit ? RowOfIndex(cellIndex) : ColumnOfIndex(cellIndex)) == index;
    }
    // The box the line crosses in its k-th chunk.
    int BoxAt(int chunk) const {
        const int n = board.boxSize;
        const int across = index / n;
        return kind == RowUnit ? across * n + chunk : chunk * n + across;
    }
};

// Candidates of the empty cells of one chunk: seen at all, seen at least twice.
struct ChunkMasks {
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    void Add(std::uint32_t mask) {
        twice |= once & mask;
        once |= mask;
    }
};

std::uint32_t EmptyCandidates(const BoardCell& cell) {
    return cell.IsEmpty() ? cell.candidates : 0;
}

// Values placed on the line, and the candidates of its empty cells per chunk.
std::uint32_t ScanLine(const Line& line, ChunkMasks* chunks) {
    std::uint32_t placed = 0;
    for (int p = 0; p < line.board.size; ++p) {
        const BoardCell& cell = line.board.cells[line.CellAt(p)];
        placed |= bitOf(cell.value);
        chunks[p / line.board.boxSize].Add(EmptyCandidates(cell));
    }
    return placed;
}

void AppendRemoval(std::array<StepRemoval, kUnitRemovalCapacity>& removals, std::int32_t& count,
                   int index, std::uint32_t mask) {
    removals[count++] = {ColumnOfIndex(index), RowOfIndex(index), static_cast<int>(mask)};
}

int FindPointingPair(SudokuBoard& board, SolveStep& step, UnitKind kind, TechniqueId technique) {
    const int n = board.boxSize;
    auto& section = step.pointingPair;
    for (int l = 0; l < board.size; ++l) {
        const Line line{board, kind, l};
        ChunkMasks onLine[kLineCellCapacity];
        const std::uint32_t placed = ScanLine(line, onLine);
        // Per chunk: values with two or more candidates on the line and none elsewhere in the box.
        std::uint32_t pointing[kLineCellCapacity] = {};
        std::uint32_t anyPointing = 0;
        for (int chunk = 0; chunk < n; ++chunk) {
            const int box = line.BoxAt(chunk);
            std::uint32_t offLine = 0;
            for (int i = 0; i < board.size; ++i) {
                const int index = UnitCellIndex(board, BoxUnit, box, i);
                if (!line.Holds(index)) offLine |= EmptyCandidates(board.cells[index]);
            }
            pointing[chunk] = onLine[chunk].twice & ~offLine & ~placed;
            anyPointing |= pointing[chunk];
        }
        for (int v = 1; v <= board.size; ++v) {
            const std::uint32_t bit = bitOf(v);
            if (!(anyPointing & bit)) continue;
            // Once one box points, the line has v nowhere else or loses it there, so no later
            // box of the band can point: the first pointing box decides.
            int acting = 0;
            while (!(pointing[acting] & bit)) ++acting;
            std::uint32_t elsewhere = 0;
            for (int chunk = 0; chunk < n; ++chunk)
                if (chunk != acting) elsewhere |= onLine[chunk].once;
            if (!(elsewhere & bit)) continue;
            // The pointing cells are noted box by box, each box from the first entry on.
            for (int chunk = 0; chunk <= acting; ++chunk) {
                int noted = 0;
                for (int i = 0; i < board.size; ++i) {
                    const int index = UnitCellIndex(board, BoxUnit, line.BoxAt(chunk), i);
                    if (line.Holds(index) && (EmptyCandidates(board.cells[index]) & bit))
                        section.pointingCells[noted++] = {ColumnOfIndex(index), RowOfIndex(index)};
                }
            }
            section.removalCount = 0;
            for (int p = 0; p < board.size; ++p) {
                if (p / n == acting) continue;
                const int index = line.CellAt(p);
                BoardCell& cell = board.cells[index];
                if (EmptyCandidates(cell) & bit)
                    AppendRemoval(section.removals, section.removalCount, index,
                                  RemoveCandidates(cell, bit));
            }
            section.value = v;
            step.technique = technique;
            return 1;
        }
    }
    return 0;
}

int FindBoxLineReduction(SudokuBoard& board, SolveStep& step, UnitKind kind,
                         TechniqueId technique) {
    const int n = board.boxSize;
    auto& section = step.boxLine;
    for (int l = 0; l < board.size; ++l) {
        const Line line{board, kind, l};
        ChunkMasks onLine[kLineCellCapacity];
        const std::uint32_t placed = ScanLine(line, onLine);
        for (int v = 1; v <= board.size; ++v) {
            const std::uint32_t bit = bitOf(v);
            if (placed & bit) continue;
            // Exactly one chunk may hold candidates of v, and at least two of them.
            int chunkWithValue = -1, chunksWithValue = 0;
            for (int chunk = 0; chunk < n; ++chunk)
                if (onLine[chunk].once & bit) {
                    chunkWithValue = chunk;
                    ++chunksWithValue;
                }
            if (chunksWithValue != 1 || !(onLine[chunkWithValue].twice & bit)) continue;
            const int box = line.BoxAt(chunkWithValue);
            section.removalCount = 0;
            for (int i = 0; i < board.size; ++i) {
                const int index = UnitCellIndex(board, BoxUnit, box, i);
                BoardCell& cell = board.cells[index];
                if (!line.Holds(index) && (EmptyCandidates(cell) & bit))
                    AppendRemoval(section.removals, section.removalCount, index,
                                  RemoveCandidates(cell, bit));
            }
            if (section.removalCount == 0) continue;
            section.value = v;
            section.lineCellCount = 0;
            for (int p = 0; p < board.size && section.lineCellCount < n; ++p) {
                const int index = line.CellAt(p);
                if (EmptyCandidates(board.cells[index]) & bit)
                    section.lineCells[section.lineCellCount++] = {ColumnOfIndex(index),
                                                                  RowOfIndex(index)};
            }
            step.technique = technique;
            return 1;
        }
    }
    return 0;
}
}  // namespace

int FindPointingPairInRow(SudokuBoard& board, SolveStep& step) {
    return FindPointingPair(board, step, RowUnit, PointingPairInRow);
}

int FindPointingPairInColumn(SudokuBoard& board, SolveStep& step) {
    return FindPointingPair(board, step, ColumnUnit, PointingPairInColumn);
}

int FindBoxLineReductionInRow(SudokuBoard& board, SolveStep& step) {
    return FindBoxLineReduction(board, step, RowUnit, BoxLineReductionInRow);
}

int FindBoxLineReductionInColumn(SudokuBoard& board, SolveStep& step) {
    return FindBoxLineReduction(board, step, ColumnUnit, BoxLineReductionInColumn);
}
