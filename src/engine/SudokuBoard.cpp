#include "engine/SudokuBoard.h"

#include <algorithm>

#include "engine/BoardLevel.h"
#include "platform/SettingsNames.h"

SudokuBoard::SudokuBoard(Platform& platform) : platform_(&platform) {
    for (const TechniqueInfo& technique : kTechniques) {
        techniqueName[technique.id] = technique.name;
        techniqueWeight[technique.id] = technique.weight;
    }
    std::uint32_t allow = 1;
    platform_->Settings().ReadNumber(kAllowBruteForceTech, allow);
    allowBruteForceTech = allow != 0 ? 1 : 0;
    Initialise(9, 0, "", "", nullptr, 0, 0);
    solutionLimit = 1;
}

SudokuBoard::~SudokuBoard() {
    platform_->Settings().WriteNumber(kAllowBruteForceTech,
                                      static_cast<std::uint32_t>(allowBruteForceTech));
}

int SudokuBoard::Initialise(int newSize, int newLevel, std::string_view newName,
                            std::string_view newDescription, const BoardData* source, int cluesOnly,
                            int newIsWordoku) {
    size = newSize == 16 ? 16 : 9;
    boxSize = size == 9 ? 3 : 4;
    for (int k = 0; k < size; ++k) BoxOrigin(k, boxColumnStart[k], boxRowStart[k]);
    name = newName;
    description = newDescription == "None" ? std::string_view() : newDescription;
    level = newLevel;
    solutionKnown = 0;
    bruteForceRunning = 0;
    mistakeCheckEnabled = 0;
    uniqueSolutionKnown = 0;
    ResetStatistics(statistics);

    const BoardCell emptyCell{-1, Empty, fullMask(size), size};
    if (source) {
        isWordoku = source->isWordoku;
        score = source->score;
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y) {
                const BoardCell& from = source->Cell(x, y);
                Cell(x, y) = cluesOnly && from.type == Given ? emptyCell : from;
            }
        wordokuAssignType = 0;
        wordokuLocationKind = source->wordokuLocationKind;
        wordokuLocationNbr = source->wordokuLocationNbr;
        wordokuString = source->wordokuString;
        wordokuStringCopy = source->wordokuStringCopy;
    } else {
        isWordoku = newIsWordoku;
        score = 0;
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y) Cell(x, y) = emptyCell;
        wordokuAssignType = 0;
        wordokuLocationKind = -1;
        wordokuLocationNbr = -1;
        wordokuString.clear();
        wordokuStringCopy.clear();
    }
    Recount();
    // The masks take the board's size here, so that writes between solves stay inside them;
    // every solve builds them.
    masks_.Clear(size);
    return 1;
}

int SudokuBoard::LoadRecord(const BoardData& record) {
    return Initialise(record.size, UnknownLevel, "", "", &record, 0, 0);
}

int SudokuBoard::Recount() {
    // Counted without branches: every solve recounts, and clues and empty cells are mixed.
    clueNbr = emptyNbr = 0;
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) {
            const BoardCell& cell = Cell(x, y);
            const int clue = cell.type == Clue;
            clueNbr += clue;
            emptyNbr += !clue & (cell.value == -1);
        }
    givenNbr = size * size - clueNbr - emptyNbr;
    return 1;
}

namespace {
void RemoveCandidate(BoardCell& cell, std::uint32_t bit) {
    if (cell.candidates & bit) {
        cell.candidates &= ~bit;
        --cell.candidateNbr;
    }
}
void AddCandidate(BoardCell& cell, std::uint32_t bit) {
    if (!(cell.candidates & bit)) {
        cell.candidates |= bit;
        ++cell.candidateNbr;
    }
}
}  // namespace

int SudokuBoard::RecomputeCandidates() {
    // Without a value repeated in a unit the order of the removals below does not matter: a
    // cell keeps what no peer holds, and a filled cell its own value besides.
    // Empty cells (no bit) go through the same steps: they lie at random among the filled ones.
    std::uint32_t inRow[kMaxSize] = {}, inColumn[kMaxSize] = {}, inBox[kMaxSize] = {};
    bool repeated = false;
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) {
            const std::uint32_t bit = bitOf(Cell(x, y).value);
            const int box = BoxIndex(x, y);
            repeated |= ((inRow[y] | inColumn[x] | inBox[box]) & bit) != 0;
            inRow[y] |= bit;
            inColumn[x] |= bit;
            inBox[box] |= bit;
        }
    if (!repeated) {
        for (int x = 0; x < size; ++x)
            for (int y = 0; y < size; ++y) {
                BoardCell& cell = Cell(x, y);
                cell.candidates =
                    (fullMask(size) & ~(inRow[y] | inColumn[x] | inBox[BoxIndex(x, y)])) |
                    (cell.value >= 1 ? bitOf(cell.value) : 0u);
                cell.candidateNbr = BitCount(cell.candidates);
            }
        return 1;
    }
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) {
            Cell(x, y).candidates = fullMask(size);
            Cell(x, y).candidateNbr = size;
        }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int v = Cell(x, y).value;
            if (v < 1) continue;
            const std::uint32_t bit = bitOf(v);
            for (int i = 0; i < size; ++i) {
                RemoveCandidate(Cell(x, i), bit);
                RemoveCandidate(Cell(i, y), bit);
            }
            const int x0 = (x / boxSize) * boxSize, y0 = (y / boxSize) * boxSize;
            for (int i = x0; i < x0 + boxSize; ++i)
                for (int j = y0; j < y0 + boxSize; ++j) RemoveCandidate(Cell(i, j), bit);
            // The cell keeps its own value; nothing else restricts a filled cell.
            AddCandidate(Cell(x, y), bit);
        }
    return 1;
}

int SudokuBoard::PlaceAndPropagate(int x, int y) {
    BoardCell& placed = Cell(x, y);
    if (placed.value < 1) return 0;
    const std::uint32_t bit = bitOf(placed.value);
    masks_.NoteFilled(x, y, placed.value, placed.candidates);
    changes_.Touch(x, y, BoxIndex(x, y), placed.candidates | bit);
    for (const int peer : PeersOf(size, CellIndex(x, y)))
        if (cells[peer].candidates & bit) RemoveCandidates(peer, bit);
    placed.candidates = bit;
    placed.candidateNbr = 1;
    return 1;
}

void SudokuBoard::Place(int x, int y, int v) {
    BoardCell& cell = Cell(x, y);
    cell.value = v;
    cell.type = Given;
    PlaceAndPropagate(x, y);
}

void SudokuBoard::Fill(int x, int y, int v) {
    BoardCell& cell = Cell(x, y);
    masks_.NoteFilled(x, y, v, cell.candidates);
    changes_.Touch(x, y, BoxIndex(x, y), cell.candidates | bitOf(v));
    cell.value = v;
    cell.type = Given;
}

std::uint32_t SudokuBoard::RemoveCandidates(int index, std::uint32_t mask) {
    BoardCell& cell = cells[index];
    const std::uint32_t removed = cell.candidates & mask;
    if (removed == 0) return 0;
    cell.candidates &= ~removed;
    cell.candidateNbr -= BitCount(removed);
    const int x = ColumnOfIndex(index), y = RowOfIndex(index);
    if (cell.IsEmpty()) masks_.NoteRemoved(x, y, removed, cell.candidateNbr);
    changes_.Touch(x, y, BoxIndex(x, y), removed);
    return removed;
}

void SudokuBoard::RebuildMasks() {
    masks_.Build(cells, size);
    changes_.TouchAll();
}

int SudokuBoard::RestoreCandidate(int x, int y, int v) {
    const std::uint32_t bit = bitOf(v);
    for (int j = 0; j < size; ++j)
        if (!IsValueInRow(j, v) &&
            !IsValueInBox(boxColumnStart[BoxIndex(x, j)], boxRowStart[BoxIndex(x, j)], v))
            AddCandidate(Cell(x, j), bit);
    for (int i = 0; i < size; ++i)
        if (!IsValueInColumn(i, v) &&
            !IsValueInBox(boxColumnStart[BoxIndex(i, y)], boxRowStart[BoxIndex(i, y)], v))
            AddCandidate(Cell(i, y), bit);
    const int x0 = (x / boxSize) * boxSize, y0 = (y / boxSize) * boxSize;
    for (int i = x0; i < x0 + boxSize; ++i)
        for (int j = y0; j < y0 + boxSize; ++j)
            if (!IsValueInRow(j, v) && !IsValueInColumn(i, v)) AddCandidate(Cell(i, j), bit);
    return 1;
}

int SudokuBoard::CopyGrid(const CellGrid& from, CellGrid& to) const {
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y) to[CellIndex(x, y)] = from[CellIndex(x, y)];
    return 1;
}

int SudokuBoard::ClearGivens() {
    for (int x = 0; x < size; ++x)
        for (int y = 0; y < size; ++y)
            if (Cell(x, y).type == Given) Cell(x, y).value = -1;
    RecomputeCandidates();
    Recount();
    return 1;
}

int SudokuBoard::IsValueInBox(int firstColumn, int firstRow, int v) const {
    for (int x = firstColumn; x < firstColumn + boxSize; ++x)
        for (int y = firstRow; y < firstRow + boxSize; ++y)
            if (Cell(x, y).value == v) return 1;
    return 0;
}

int SudokuBoard::IsValueInColumn(int x, int v) const {
    for (int y = 0; y < size; ++y)
        if (Cell(x, y).value == v) return 1;
    return 0;
}

int SudokuBoard::IsValueInRow(int y, int v) const {
    for (int x = 0; x < size; ++x)
        if (Cell(x, y).value == v) return 1;
    return 0;
}

int SudokuBoard::CandidateList(int x, int y, int* list, int max) const {
    return MaskToList(Cell(x, y).candidates, list, max);
}

int SudokuBoard::MaskToList(std::uint32_t set, int* list, int max) {
    return MaskValues(set & fullMask(std::clamp(max, 0, kMaxSize)), list, kMaxSize);
}
