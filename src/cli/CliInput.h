#pragma once
// Boards from the inputs of raruduz-cli, read as the program's text import reads them: runs of
// exactly 81 or 256 symbols, comment lines skipped, boards numbered across all inputs.

#include <string_view>

#include "cli/CliCommands.h"

// Hands each board of one input's text to visit (when set), numbered on from firstIndex; returns
// how many there were. With report set, the runs that were skipped are reported.
int ScanInputBoards(std::string_view text, HeadlessPlatform& platform, int firstIndex,
                    const InputBoardVisitor& visit, bool report);
