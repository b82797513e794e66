#pragma once
// The results of a human-like solve: per-technique counts, the score sum and the step log.

#include <array>
#include <cstdint>

#include "techniques/TechniqueCatalogue.h"

inline constexpr int kStepLogCapacity = 256;
inline constexpr int kStepLogCellCapacity = 32;

struct StepLogEntry {
    std::int32_t techniqueId = 0;
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;
    std::int32_t value3 = 0;
    std::int32_t value4 = 0;
    std::int32_t cellNbr = 0;
    std::array<std::int32_t, kStepLogCellCapacity> cellColumn{};  // 1-based
    std::array<std::int32_t, kStepLogCellCapacity> cellRow{};     // 1-based
};

class SolveStatistics {
public:
    virtual ~SolveStatistics() = default;

    std::int32_t scoreSum = 0;
    // Indexed by TechniqueId; entry 0 is never counted.
    std::array<std::int32_t, kTechniqueIdCount> callNbr{};
    std::int32_t stepNbr = 0;
    std::array<StepLogEntry, kStepLogCapacity> steps{};
    std::int32_t newData = 0;
};

// Clears the score sum, every count, the log length and the new-data flag; the log entries stay.
void ResetStatistics(SolveStatistics& statistics);
// Adds every per-technique count of one record to another (the score sum and log are not added).
void AddCallCounts(SolveStatistics& total, const SolveStatistics& statistics);
