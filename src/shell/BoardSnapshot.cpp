#include "shell/BoardSnapshot.h"

#include "engine/SudokuBoard.h"
#include "files/Archive.h"

std::string TakeBoardSnapshot(const SudokuBoard& board) {
    ArchiveWriter writer;
    writer.WriteText(board.name);
    writer.WriteText(board.description);
    for (std::int32_t number :
         {board.level, board.size, board.boxSize, board.clueNbr, board.givenNbr, board.emptyNbr})
        writer.WriteNumber(number);
    for (const BoardCell& cell : board.cells) {
        writer.WriteNumber(cell.value);
        writer.WriteNumber(cell.type);
        writer.WriteNumber(static_cast<std::int32_t>(cell.candidates));
        writer.WriteNumber(cell.candidateNbr);
    }
    return writer.Bytes();
}

bool RestoreBoardSnapshot(SudokuBoard& board, std::string_view snapshot) {
    ArchiveReader reader(snapshot);
    std::string name, description;
    std::int32_t level = 0, size = 0, boxSize = 0, counts[3];
    bool read = reader.ReadText(name) && reader.ReadText(description) && reader.ReadNumber(level) &&
                reader.ReadNumber(size) && reader.ReadNumber(boxSize);
    for (std::int32_t& count : counts) read = read && reader.ReadNumber(count);
    CellGrid cells;
    for (BoardCell& cell : cells) {
        std::int32_t candidates = 0;
        read = read && reader.ReadNumber(cell.value) && reader.ReadNumber(cell.type) &&
               reader.ReadNumber(candidates) && reader.ReadNumber(cell.candidateNbr);
        cell.candidates = static_cast<std::uint32_t>(candidates);
    }
    if (!read || reader.Remaining() != 0 ||
        !((size == 9 && boxSize == 3) || (size == 16 && boxSize == 4)))
        return false;

    board.name = std::move(name);
    board.description = std::move(description);
    board.level = level;
    if (board.size != size) {
        // A board-size command keeps the history, so a snapshot may bring the other size back.
        board.size = size;
        board.boxSize = boxSize;
        for (int k = 0; k < size; ++k)
            board.BoxOrigin(k, board.boxColumnStart[k], board.boxRowStart[k]);
    }
    board.cells = cells;
    board.Recount();
    return true;
}
