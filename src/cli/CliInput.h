#pragma once
// Reads boards from input text: every line that is not blank and does not start with '#' is one
// board of exactly 81 or 256 symbols ("." or "0" for an empty cell, "1".."9", "A".."G").

#include <string_view>
#include <vector>

#include "cli/CliCommands.h"

// Hands each board of text to visit (when set), numbered on from firstIndex. Returns the number
// of boards, or -1 after writing the reason to standard error when a line is not a board.
int ParseInputBoards(std::string_view text, HeadlessPlatform& platform, int firstIndex,
                     const InputBoardVisitor& visit);
