#pragma once
// Batch processing: every selected board solved on a private board with the step solver, the
// exhaustive solver helping when the step solver alone cannot finish; outcome, time and level
// of each board, global times and technique counts go to "BatchProcData.txt".

#include <atomic>
#include <filesystem>
#include <functional>
#include <vector>

#include "engine/BoardTypes.h"
#include "platform/Platform.h"

inline constexpr char kBatchReportFileName[] = "BatchProcData.txt";

// "BatchProcData.txt" in the program folder.
std::filesystem::path BatchReportPath(Platform& platform);

enum class BatchOutcome { Written, Cancelled, Failed };

// Solves records in order and writes the report to reportPath, replacing the old report only
// when the run completes. progress(k, count) is called before board k (from 1); setting cancel
// stops the run before the next board. A report that cannot be written is reported.
BatchOutcome RunBatchProcessing(Platform& platform, const std::vector<BoardData>& records,
                                const std::filesystem::path& reportPath,
                                const std::function<void(int, int)>& progress = {},
                                const std::atomic<bool>* cancel = nullptr);
