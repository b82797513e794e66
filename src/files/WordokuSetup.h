#pragma once
// Sets a board up for Wordoku display: its location, its letters (kept, drawn at random, a word
// from the words file, or the user's) and the letter table they fill.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "engine/WordokuLetters.h"

// The options that drive the assignment, as the view settings hold them.
struct WordokuOptions {
    std::int32_t assignmentType = RandomLetters;
    std::string wordListPath;
    std::int32_t locationKind = RandomLocation;
    std::int32_t locationNbr = 1;
};

// Asks the user for the letters of a board in Wordoku display (the desktop's letter-assignment
// dialog); it stores what the user confirms in the board.
using UserLettersRequest = std::function<void(SudokuBoard& board)>;

// The location: a board without one takes the options'; with override set the options' kind and
// number replace the board's. A random kind (or one outside row, column and block) becomes one
// of the three, and a number outside 1..N a random one; both are stored in the board.
// The letters: the board's own are kept when string and copy are both set and not "None";
// otherwise they are assigned by the options' type (always random letters on a 16 x 16 board).
// The user's letters are asked for only in Wordoku display; elsewhere the board stays without
// letters (and its table shows "."), so that the switch to Wordoku display asks. Otherwise the
// letter table is filled (SetLetterString). Returns 0 after showing "Unable to Read
// Words File ..." when the words file cannot be read (the board's letters stay), else 1.
int WordokuSetup(SudokuBoard& board, const WordokuOptions& options, std::string_view string,
                 std::string_view copy, int override, WordokuRandom& random,
                 const UserLettersRequest& askUser = nullptr);
