// The iterative and the progressive human-like drivers.

#include <cstdint>

#include "engine/HumanLikeSolving.h"
#include "engine/StepLog.h"

namespace {
// Recount, then the score: 100 times the average weight per filled cell.
SolveStatus FinishSolve(SudokuBoard& board, const SolveStatistics& statistics) {
    board.Recount();
    board.score =
        board.givenNbr == 0
            ? 0
            : static_cast<std::int32_t>(std::int64_t{statistics.scoreSum} * 100 / board.givenNbr);
    return board.emptyNbr == 0 ? SolutionFound : NoSolutionFound;
}

// The routines that read placed values only and found nothing since the last value was placed:
// asking them again would find nothing again, so the drivers skip them.
class IdleRoutines {
public:
    // Tries the routine unless it is known to find nothing.
    bool Find(const OrderedRoutine& routine, int position, SudokuBoard& board, SolveStep& step) {
        const std::uint64_t bit = std::uint64_t{1} << position;
        if (idle_ & bit) return false;
        if (routine.find(board, step)) {
            if (PlacesValue(step.technique)) idle_ = 0;
            return true;
        }
        if (routine.readsPlacedValuesOnly) idle_ |= bit;
        return false;
    }

private:
    std::uint64_t idle_ = 0;
};
static_assert(kRoutineCount <= 64);

// The iterative driver; the step log is kept only when someone reads it.
template <bool keepLog>
SolveStatus Iterate(SudokuBoard& board, SolveStatistics& statistics, const RoutineOrder& order) {
    board.ClearGivens();
    board.RebuildMasks();
    ResetStatistics(statistics);
    statistics.newData = 1;
    board.solutionNbr = 0;

    SolveStep step;
    StepDisplay display;
    IdleRoutines idle;
    int position = 0;
    while (position < kRoutineCount) {
        const OrderedRoutine& routine = order[position];
        if (!idle.Find(routine, position, board, step)) {
            ++position;
            continue;
        }
        const TechniqueId technique = routine.Counted(step);
        ++statistics.callNbr[technique];
        statistics.scoreSum += board.techniqueWeight[technique];
        // A long 16 x 16 solve keeps counting; the log keeps its first entries.
        if (keepLog && statistics.stepNbr < kStepLogCapacity) {
            routine.show(step, display);
            display.technique = technique;
            FillStepLogEntry(display, statistics.steps[statistics.stepNbr++]);
        }
        position = 0;
    }
    return FinishSolve(board, statistics);
}
}  // namespace

SolveStatus SolveHumanLike(SudokuBoard& board, SolveStatistics& statistics,
                           const RoutineOrder& order) {
    return Iterate<true>(board, statistics, order);
}

SolveStatus SolveHumanLikeWithoutLog(SudokuBoard& board, SolveStatistics& statistics) {
    return Iterate<false>(board, statistics, kDriverOrder);
}

SolveStatus SolveProgressive(SudokuBoard& board, SolveStatistics& statistics,
                             const RoutineOrder& order) {
    board.ClearGivens();
    board.RebuildMasks();
    ResetStatistics(statistics);

    SolveStep step;
    IdleRoutines idle;
    int position = 0;
    while (position < kRoutineCount) {
        const OrderedRoutine& routine = order[position];
        // Back to the first routine after a success that reported one of the routine's own
        // techniques (every real one does).
        bool restart = false;
        while (idle.Find(routine, position, board, step)) {
            restart = restart || routine.Reports(step.technique);
            const TechniqueId technique = routine.Counted(step);
            ++statistics.callNbr[technique];
            if (position < kFirstUnweightedPosition)
                statistics.scoreSum += board.techniqueWeight[technique];
        }
        position = restart ? 0 : position + 1;
    }
    return FinishSolve(board, statistics);
}

SolveStatus SolveHumanLike(SudokuBoard& board, SolveStatistics& statistics) {
    return SolveHumanLike(board, statistics, kDriverOrder);
}

SolveStatus SolveProgressive(SudokuBoard& board, SolveStatistics& statistics) {
    return SolveProgressive(board, statistics, kDriverOrder);
}
