#pragma once
// Reads boards from input text: every line that is not blank and does not start with '#' is one
// board of exactly 81 or 256 symbols ("." or "0" for an empty cell, "1".."9", "A".."G").

#include <string_view>
#include <vector>

#include "cli/CliCommands.h"

// Appends the boards of text to boards, numbering on from boards.size(). Returns false after
// writing the reason to standard error when a line is not a board.
bool ParseInputBoards(std::string_view text, HeadlessPlatform& platform,
                      std::vector<InputBoard>& boards);
