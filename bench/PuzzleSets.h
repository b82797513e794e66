#pragma once
// The public puzzle sets the benchmarks run over: one 81-symbol puzzle per line.

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/BoardTypes.h"

// The puzzles of a file in the shared data folder as clue records. Empty, with the benchmark
// marked skipped, when the file is missing.
std::vector<BoardData> ReadPuzzleSet(benchmark::State& state, const std::string& fileName);
