#include "ScriptedRoutines.h"

#include <algorithm>
#include <utility>

namespace {
RoutineScript script;

bool PlaceNextCell(SudokuBoard& board, SolveStep& step) {
    for (int x = 0; x < board.size; ++x)
        for (int y = 0; y < board.size; ++y) {
            BoardCell& cell = board.Cell(x, y);
            if (!cell.IsEmpty()) continue;
            cell.value = 1 + (x + y) % board.size;
            cell.type = Given;
            board.PlaceAndPropagate(x, y);
            step.value = cell.value;
            step.column = x;
            step.row = y;
            return true;
        }
    return false;
}

template <typename Removals>
void ListRemovals(Removals& removals, int& count, int wanted) {
    count = wanted;
    for (int i = 0; i < std::min<int>(wanted, removals.size()); ++i)
        removals[i] = {i % 16, i / 16, 1};
}

template <int Position>
int Scripted(SudokuBoard& board, SolveStep& step) {
    script.calls.push_back(Position);
    if (script.placements[Position] > 0 && PlaceNextCell(board, step)) {
        --script.placements[Position];
        step.technique = kDriverOrder[Position].technique;
        return 1;
    }
    std::deque<ScriptedStep>& steps = script.steps[Position];
    if (steps.empty()) return 0;
    const ScriptedStep scripted = steps.front();
    steps.pop_front();
    step.technique = scripted.technique;
    step.xWings.value = 4;
    step.singleColours.value = 6;
    ListRemovals(step.xWings.removals, step.xWings.removalCount, scripted.removalCount);
    ListRemovals(step.singleColours.removals, step.singleColours.removalCount,
                 scripted.removalCount);
    return 1;
}

template <std::size_t... Position>
RoutineOrder MakeScriptedOrder(std::index_sequence<Position...>) {
    RoutineOrder order = kDriverOrder;
    ((order[Position].find = Scripted<Position>), ...);
    // Scripted steps come whatever the board holds.
    for (OrderedRoutine& routine : order) routine.readsPlacedValuesOnly = false;
    return order;
}
}  // namespace

RoutineScript& Script() {
    return script;
}

const RoutineOrder& ScriptedOrder() {
    static const RoutineOrder order = MakeScriptedOrder(std::make_index_sequence<kRoutineCount>());
    return order;
}
