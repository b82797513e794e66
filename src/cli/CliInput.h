#pragma once
// Boards from the inputs of raruduz-cli, read as the program's text import reads them: runs of
// exactly 81 or 256 symbols, comment lines skipped, boards numbered across all inputs.

#include <string_view>
#include <vector>

#include "cli/CliCommands.h"

// Appends the boards of one input's text, numbering on from boards.size(); reports the runs
// that were skipped.
void AppendInputBoards(std::string_view text, HeadlessPlatform& platform,
                       std::vector<InputBoard>& boards);
