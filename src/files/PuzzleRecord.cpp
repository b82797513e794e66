#include "files/PuzzleRecord.h"

namespace {
void CopyCells(PuzzleRecord& record, const BoardData& board) {
    record.size = board.size;
    record.cells.resize(static_cast<std::size_t>(board.size * board.size));
    std::size_t k = 0;
    for (int y = 0; y < board.size; ++y)
        for (int x = 0; x < board.size; ++x) {
            const BoardCell& cell = board.Cell(x, y);
            record.cells[k++] = {static_cast<std::int8_t>(cell.value),
                                 static_cast<std::int8_t>(cell.type)};
        }
}
}  // namespace

CellCounts CountCells(const PuzzleRecord& record) {
    CellCounts counts;
    for (const StoredCell& cell : record.cells) {
        if (cell.type == Clue)
            ++counts.clueNbr;
        else if (cell.value == -1)
            ++counts.emptyNbr;
        else
            ++counts.givenNbr;
    }
    return counts;
}

BoardData ToBoardData(const PuzzleRecord& record) {
    BoardData board;
    board.name = record.name;
    board.description = record.description;
    board.level = record.level;
    board.size = record.size;
    board.boxSize = record.size == 9 ? 3 : 4;
    std::size_t k = 0;
    for (int y = 0; y < record.size; ++y)
        for (int x = 0; x < record.size; ++x) {
            const StoredCell& stored = record.cells[k++];
            board.Cell(x, y) = {stored.value, stored.type, fullMask(record.size), record.size};
        }
    const CellCounts counts = CountCells(record);
    board.clueNbr = counts.clueNbr;
    board.givenNbr = counts.givenNbr;
    board.emptyNbr = counts.emptyNbr;
    board.isWordoku = record.isWordoku;
    board.wordokuAssignType = record.wordokuAssignType;
    const bool knownKind = record.wordokuLocationKind >= -1 && record.wordokuLocationKind <= 3;
    board.wordokuLocationKind = knownKind ? record.wordokuLocationKind : -1;
    const bool knownNbr =
        record.wordokuLocationNbr >= -1 && record.wordokuLocationNbr <= record.size;
    board.wordokuLocationNbr = knownNbr ? record.wordokuLocationNbr : -1;
    board.wordokuString = record.wordokuString;
    board.wordokuStringCopy = record.wordokuStringCopy;
    return board;
}

PuzzleRecord ToPuzzleRecord(const BoardData& board) {
    PuzzleRecord record;
    record.name = board.name;
    ReplaceRecordBoard(record, board);
    record.isWordoku = board.isWordoku;
    record.wordokuAssignType = board.wordokuAssignType;
    record.wordokuLocationKind = board.wordokuLocationKind;
    record.wordokuLocationNbr = board.wordokuLocationNbr;
    record.wordokuString = board.wordokuString;
    record.wordokuStringCopy = board.wordokuStringCopy;
    return record;
}

void ReplaceRecordBoard(PuzzleRecord& record, const BoardData& board) {
    record.description = board.description;
    record.level = board.level;
    // The size goes with the cells: a record keeping its old size would be written truncated.
    CopyCells(record, board);
}
