#pragma once
// Wordoku letters: each value 1..N stands for one letter A-Z, drawn at random or chosen so that
// one row, column or block of the solution spells a word.
//
// A board's wordokuString holds the word (or the random letters) in the reading order of its
// location; wordokuStringCopy holds the letters in value order, character k - 1 for value k.

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "engine/SudokuBoard.h"

enum WordokuAssignType : std::int32_t { RandomLetters = 0, RandomWord = 1, UserLetters = 2 };
enum WordokuLocationKind : std::int32_t {
    RandomLocation = 0,
    RowLocation = 1,
    ColumnLocation = 2,
    BlockLocation = 3,
};

// The draws of the letter assignment. Seeded once by its owner, so that two boards set up within
// the same second still get different letters.
class WordokuRandom {
public:
    explicit WordokuRandom(std::uint32_t seed) : engine_(seed) {}
    // A number in 0..n-1; n >= 1.
    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }

private:
    std::minstd_rand engine_;
};

// A seed from the calendar and the tick count of the platform.
std::uint32_t WordokuSeed(Platform& platform);

// The text with a..z turned into A..Z; every other byte unchanged.
std::string UpperCaseLetters(std::string_view text);
// True when text is exactly n letters A-Z, no two the same.
bool IsLetterString(std::string_view text, int n);

// The solution's value of cell (x, y), or -1 when the board does not know it. Where the human-like
// solve left the solution grid empty, the proven unique solution still knows the value.
int KnownSolutionValue(const SudokuBoard& board, int x, int y);

// The value a typed letter stands for: code is its place in the alphabet (A = 1), of which the low
// 8 bits count; the value is the letter's last position (1-based) in the letter string in value
// order, 0 when the letter is not there.
int WordokuLetterValue(const BoardData& board, int code);

// N different letters drawn at random, value k getting the k-th letter drawn, into both strings;
// the assignment type becomes RandomLetters.
void AssignRandomLetters(BoardData& board, WordokuRandom& random);

// The values of the board's solution along a location, in reading order: a row (number y + 1)
// from left to right, a column from top to bottom, a block row by row from the top, each row from
// the left. The values 1..N in order for any other kind, for a number outside 1..N, and when the
// solution along the location is not known as N different values.
std::array<int, kMaxSize> LocationOrder(const SudokuBoard& board, int kind, int number);

// The letters in value order: for each value v = 1..N, the letter of every place j where
// location[j] is v (exactly one for a location read from a solution).
std::string LettersInValueOrder(const std::array<int, kMaxSize>& location, int n,
                                std::string_view letters);

// Places the word on the board's location: wordokuString the word in upper case,
// wordokuStringCopy its letters in value order; the assignment type becomes RandomWord.
void PlaceWord(SudokuBoard& board, std::string_view word);

// Fills the board's letter table from text. When text is not N different letters A-Z, the board
// gets random letters instead, kept in its strings, and the table shows those. Returns 1 when
// text was used, 0 when random letters replaced it.
int SetLetterString(SudokuBoard& board, std::string_view text, WordokuRandom& random);
