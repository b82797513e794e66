// The human-style techniques over the public puzzle sets.
//
// HintDriverSteps: SolveOneStep driven until no routine applies, from the clues of every puzzle
// of a set; items per second are steps per second, "boards/s" puzzles per second.
//
// WholeSetSoundness: the same stepping, once over a whole set, checked against each puzzle's
// solution. Steps never give a candidate back or take a value away, so the final state tells
// everything: the exhaustive solver, started from the stepped board, must find a solution whose
// values are all still candidates where cells are empty and were never removed on the way. The
// counter "unsound" is the number of puzzles where a step broke that. Run with
// --benchmark_filter=WholeSetSoundness.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "PuzzleSets.h"
#include "engine/HumanLikeSolving.h"
#include "engine/SudokuBoard.h"
#include "platform/HeadlessPlatform.h"

namespace {
void LoadClues(SudokuBoard& board, const BoardData& puzzle) {
    board.LoadRecord(puzzle);
    board.RecomputeCandidates();
}

void HintDriverSteps(benchmark::State& state, const char* fileName) {
    const std::vector<BoardData> puzzles = ReadPuzzleSet(state, fileName);
    if (puzzles.empty()) return;
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    auto step = std::make_unique<SolveStep>();
    std::int64_t steps = 0, solved = 0;
    for (auto _ : state)
        for (const BoardData& puzzle : puzzles) {
            LoadClues(*board, puzzle);
            while (SolveOneStep(*board, *step) == 1) ++steps;
            solved += board->emptyNbr == 0;
        }
    state.SetItemsProcessed(steps);
    const double boards = static_cast<double>(state.iterations()) * puzzles.size();
    state.counters["boards/s"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
    state.counters["solved"] = static_cast<double>(solved) / state.iterations();
}

void WholeSetSoundness(benchmark::State& state, const char* fileName) {
    const std::vector<BoardData> puzzles = ReadPuzzleSet(state, fileName);
    if (puzzles.empty()) return;
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    auto step = std::make_unique<SolveStep>();
    std::int64_t unsound = 0, solved = 0, steps = 0;
    for (auto _ : state)
        for (const BoardData& puzzle : puzzles) {
            LoadClues(*board, puzzle);
            std::array<std::uint32_t, kGridCells> removed{};
            for (;;) {
                const CellGrid before = board->cells;
                if (SolveOneStep(*board, *step) == 0) break;
                ++steps;
                for (int i = 0; i < kGridCells; ++i)
                    if (board->cells[i].IsEmpty())
                        removed[i] |= before[i].candidates & ~board->cells[i].candidates;
            }
            solved += board->emptyNbr == 0;
            const CellGrid stepped = board->cells;
            if (board->SolveBruteForce(StopAtFirstSolution) != SolutionFound) {
                ++unsound;
                continue;
            }
            bool sound = true;
            for (int x = 0; x < 9; ++x)
                for (int y = 0; y < 9; ++y) {
                    const int i = CellIndex(x, y);
                    const std::uint32_t bit = bitOf(board->solution[i].value);
                    if (removed[i] & bit) sound = false;
                    if (stepped[i].IsEmpty() && !(stepped[i].candidates & bit)) sound = false;
                }
            unsound += !sound;
        }
    state.counters["boards"] = static_cast<double>(puzzles.size());
    state.counters["solved"] = static_cast<double>(solved);
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["unsound"] = static_cast<double>(unsound);
}

BENCHMARK_CAPTURE(HintDriverSteps, magictour_top1465, "magictour_top1465.txt")
    ->Unit(benchmark::kMillisecond);

#define SOUNDNESS_SET(name, file) \
    BENCHMARK_CAPTURE(WholeSetSoundness, name, file)->Iterations(1)->Unit(benchmark::kSecond)
SOUNDNESS_SET(magictour_top1465, "magictour_top1465.txt");
SOUNDNESS_SET(forum_hardest_1106, "forum_hardest_1106_375.txt");
SOUNDNESS_SET(serg_benchmark_10000, "serg_benchmark_10000.txt");
SOUNDNESS_SET(se_rated_diabolical_39719, "se_rated_diabolical_39719.txt");
SOUNDNESS_SET(forum_hardest_1905_11plus, "forum_hardest_1905_11plus_48766.txt");
SOUNDNESS_SET(17clue_royle_49151, "17clue_royle_49151.txt");
}  // namespace
