#pragma once
// The cell record, the puzzle record and the candidate-set helpers shared by every layer.

#include <array>
#include <bit>
#include <cstdint>
#include <string>

// Grids are 16 x 16 whatever the board size, stored column by column: cell (x, y) is x * 16 + y.
inline constexpr int kGridSide = 16;
inline constexpr int kGridCells = kGridSide * kGridSide;
inline constexpr int kMaxSize = 16;

constexpr int CellIndex(int column, int row) { return column * kGridSide + row; }

// The symbol of value v at position v; "." for an empty cell.
inline constexpr char kValueSymbols[] = ".123456789ABCDEFG";
inline char ValueSymbol(int v) { return v >= 1 && v <= 16 ? kValueSymbols[v] : '.'; }
// The value of a board symbol: "1".."9" and "A".."G" give 1..16, anything else 0.
constexpr int SymbolValue(char symbol) {
    if (symbol >= '1' && symbol <= '9') return symbol - '0';
    if (symbol >= 'A' && symbol <= 'G') return symbol - 'A' + 10;
    return 0;
}

enum CellType : std::int32_t { Empty = 0, Clue = 1, Given = 2, Mistake = 3 };

struct BoardCell {
    std::int32_t value = -1;  // -1 empty, else 1..N
    std::int32_t type = Empty;
    std::uint32_t candidates = 0;
    std::int32_t candidateNbr = 0;

    bool IsEmpty() const { return value == -1; }
    bool operator==(const BoardCell&) const = default;
};

using CellGrid = std::array<BoardCell, kGridCells>;

// The mask of value v (bit v - 1); 0 for v = 0 and for an empty cell's -1. Valid for v up to
// 16. Computed without a branch: scans call it on filled and empty cells alike.
constexpr std::uint32_t bitOf(int v) {
    return ((1u << (v & 31)) >> 1) & (0u - static_cast<std::uint32_t>(v > 0));
}
// 2^n - 1 for n in 0..16.
constexpr std::uint32_t fullMask(int n) { return (1u << n) - 1u; }
// The value a single-bit set stands for; -1 for the empty set; 0 for a set of two or more.
constexpr int valueOfBit(std::uint32_t mask) {
    if (mask == 0) return -1;
    if (!std::has_single_bit(mask)) return 0;
    return std::countr_zero(mask) + 1;
}
constexpr int BitCount(std::uint32_t mask) { return std::popcount(mask); }
// The values of a candidate set, ascending, at most capacity of them. Returns how many.
inline int MaskValues(std::uint32_t mask, int* values, int capacity) {
    int count = 0;
    for (; mask != 0 && count < capacity; mask &= mask - 1)
        values[count++] = std::countr_zero(mask) + 1;
    return count;
}

struct BoardData {
    std::string name;
    std::string description;
    std::int32_t level = 0;
    std::int32_t size = 9;
    std::int32_t boxSize = 3;
    std::int32_t clueNbr = 0;
    std::int32_t givenNbr = 0;
    std::int32_t emptyNbr = 0;
    std::int32_t score = 0;
    CellGrid cells{};
    CellGrid solution{};
    std::int32_t isWordoku = 0;
    std::int32_t wordokuAssignType = 0;    // 0 random letters, 1 word from the list, 2 user-defined
    std::int32_t wordokuLocationKind = -1;  // 0 random, 1 row, 2 column, 3 block; -1 none
    std::int32_t wordokuLocationNbr = -1;
    std::string wordokuString;
    std::string wordokuStringCopy;

    BoardCell& Cell(int column, int row) { return cells[CellIndex(column, row)]; }
    const BoardCell& Cell(int column, int row) const { return cells[CellIndex(column, row)]; }
};

// The size x size cells of a grid as one line of symbols in reading order.
inline std::string GridText(int size, const CellGrid& grid) {
    std::string text;
    text.reserve(size * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) text += ValueSymbol(grid[CellIndex(x, y)].value);
    return text;
}
