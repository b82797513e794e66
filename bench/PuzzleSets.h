#pragma once
// The public puzzle sets the benchmarks run over: one 81-symbol puzzle per line.

#include <string>
#include <vector>

#include "engine/BoardTypes.h"

// The puzzles of a file in the shared data folder as clue records; empty when the file is missing.
std::vector<BoardData> ReadPuzzleSet(const std::string& fileName);
