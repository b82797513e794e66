#pragma once
// One board of the puzzle data file as the file holds it: the cells take two bytes each, so a
// collection of tens of thousands of boards fits in a few megabytes. A record becomes the
// fixed-size BoardData only when it becomes the board.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"

struct StoredCell {
    std::int8_t value = -1;  // -1 empty, else 1..N
    std::int8_t type = Empty;
    bool operator==(const StoredCell&) const = default;
};

struct PuzzleRecord {
    std::string name;
    std::string description;
    std::int32_t level = 0;
    std::int32_t size = 9;
    std::vector<StoredCell> cells;  // size x size, row by row as the file stores them
    std::int32_t isWordoku = 0;
    // The attributes below are kept as the file has them, even out of range, so that a record
    // written back is unchanged and the attributes dialog can call them unknown.
    std::int32_t wordokuAssignType = 0;
    std::int32_t wordokuLocationKind = -1;
    std::int32_t wordokuLocationNbr = -1;
    std::string wordokuString;
    std::string wordokuStringCopy;

    bool operator==(const PuzzleRecord&) const = default;
};

struct CellCounts {
    int clueNbr = 0;
    int givenNbr = 0;
    int emptyNbr = 0;
};

CellCounts CountCells(const PuzzleRecord& record);

// The board of a record: counts recomputed, every cell with all N candidates; a Wordoku location
// kind or number out of range becomes -1, so the display options choose instead.
BoardData ToBoardData(const PuzzleRecord& record);
// The record of a board: name, description, level, size, cells and Wordoku fields.
PuzzleRecord ToPuzzleRecord(const BoardData& board);
// The board's description, level, size and cells (value and type) replace the record's.
void ReplaceRecordBoard(PuzzleRecord& record, const BoardData& board);
