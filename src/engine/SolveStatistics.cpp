#include "engine/SolveStatistics.h"

void ResetStatistics(SolveStatistics& statistics) {
    statistics.scoreSum = 0;
    statistics.callNbr.fill(0);
    statistics.stepNbr = 0;
    statistics.newData = 0;
}

void AddCallCounts(SolveStatistics& total, const SolveStatistics& statistics) {
    for (int id = 1; id < kTechniqueIdCount; ++id) total.callNbr[id] += statistics.callNbr[id];
}
