// The routines tried after the subsets, on the states where the hint driver first needs one of
// them: the first 200 boards of magictour_top1465.txt, stepped with the simpler techniques (and
// guesses) until the next step would come from a routine at or beyond the unique rectangles.
// Each iteration restores a state and calls one routine on it.

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/HumanLikeSolving.h"
#include "platform/HeadlessPlatform.h"
#include "techniques/TechniqueTable.h"

namespace {
struct StepState {
    CellGrid cells;
    CellGrid solution;  // for the guess
};

std::vector<StepState> LoadStates(SudokuBoard& board) {
    std::vector<StepState> states;
    std::ifstream input(std::string(RARUDUZ_SHARED_DATA) + "/magictour_top1465.txt");
    std::string line;
    SolveStep step;
    while (states.size() < 200 && std::getline(input, line)) {
        if (line.size() < 81) continue;
        board.Initialise(9, 0, "", "", nullptr, 0, 0);
        for (int i = 0; i < 81; ++i)
            if (line[i] >= '1' && line[i] <= '9')
                board.Cell(i % 9, i / 9) = {line[i] - '0', Clue, 0, 0};
        board.SolveBruteForce(StopAtFirstSolution);
        board.ClearGivens();
        for (;;) {
            const CellGrid before = board.cells;
            if (!SolveOneStep(board, step)) break;
            if (step.technique >= UniqueRectangleType1) {
                states.push_back({before, board.solution});
                break;
            }
        }
    }
    return states;
}

void RunRoutine(benchmark::State& state, TechniqueRoutine routine) {
    HeadlessPlatform platform;
    auto board = std::make_unique<SudokuBoard>(platform);
    const std::vector<StepState> states = LoadStates(*board);
    if (states.empty()) {
        state.SkipWithError("magictour_top1465.txt is not available");
        return;
    }
    auto step = std::make_unique<SolveStep>();
    std::size_t next = 0;
    int found = 0;
    for (auto _ : state) {
        board->cells = states[next].cells;
        board->solution = states[next].solution;
        board->RebuildMasks();
        next = (next + 1) % states.size();
        found += routine(*board, *step);
    }
    state.counters["found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}

// One benchmark per routine of the table from the unique rectangles on, named after its technique
// without blanks or hyphens ("RunRoutine/XWings").
const bool kRegistered = [] {
    for (const OrderedRoutine& routine : kDriverOrder) {
        if (routine.technique < UniqueRectangleType1) continue;
        std::string name = "RunRoutine/";
        for (const char c : std::string(kTechniques[routine.technique].name))
            if (c != ' ' && c != '-') name += c;
        benchmark::RegisterBenchmark(name.c_str(), RunRoutine, routine.find);
    }
    return true;
}();
}  // namespace
