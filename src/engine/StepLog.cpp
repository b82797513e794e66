#include "engine/StepLog.h"

#include <algorithm>

TechniqueId StepTechnique(const OrderedRoutine& routine, const SolveStep& step) {
    switch (routine.technique) {
        case UniqueRectangleType1:
            return step.technique == UniqueRectangleType1 ? UniqueRectangleType1
                                                          : UniqueRectangleType2;
        case SingleColoursType1:
            return step.singleColours.colourTechnique == SingleColoursType1 ? SingleColoursType1
                                                                            : SingleColoursType2;
        default:
            return routine.technique;
    }
}

namespace {
// Cells beyond the entry's capacity are dropped; the log keeps the first ones.
void ListCell(StepLogEntry& entry, int column, int row) {
    if (entry.cellNbr >= kStepLogCellCapacity) return;
    entry.cellColumn[entry.cellNbr] = column + 1;
    entry.cellRow[entry.cellNbr] = row + 1;
    ++entry.cellNbr;
}

// A count read from the step is trusted only as far as the list it describes reaches.
template <typename Item, std::size_t Capacity>
void ListCells(StepLogEntry& entry, const std::array<Item, Capacity>& items, int count) {
    entry.cellNbr = 0;
    const int listed = std::clamp(count, 0, static_cast<int>(Capacity));
    for (int i = 0; i < listed; ++i) ListCell(entry, items[i].column, items[i].row);
}

template <std::size_t Count>
void WriteValues(StepLogEntry& entry, const std::array<std::int32_t, Count>& values) {
    std::int32_t* const fields[] = {&entry.value1, &entry.value2, &entry.value3, &entry.value4};
    for (std::size_t i = 0; i < Count; ++i) *fields[i] = values[i];
}

void LogPlacement(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.value;
    entry.cellNbr = 0;
    ListCell(entry, step.column, step.row);
}
void LogPointingPair(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.pointingPair.value;
    ListCells(entry, step.pointingPair.removals, step.pointingPair.removalCount);
}
void LogBoxLineReduction(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.boxLine.value;
    ListCells(entry, step.boxLine.removals, step.boxLine.removalCount);
}
void LogNakedPair(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.nakedPair.valueA;
    entry.value2 = step.nakedPair.valueB;
    ListCells(entry, step.nakedPair.removals, step.nakedPair.removalCount);
}
void LogHiddenPair(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.hiddenPair.valueA;
    entry.value2 = step.hiddenPair.valueB;
    ListCells(entry, step.hiddenPair.cells, 2);
}
void LogNakedTriple(const SolveStep& step, StepLogEntry& entry) {
    WriteValues(entry, step.nakedTriple.values);
    ListCells(entry, step.nakedTriple.removals, step.nakedTriple.removalCount);
}
void LogHiddenTriple(const SolveStep& step, StepLogEntry& entry) {
    WriteValues(entry, step.hiddenTriple.values);
    ListCells(entry, step.hiddenTriple.removals, step.hiddenTriple.removalCount);
}
void LogNakedQuad(const SolveStep& step, StepLogEntry& entry) {
    WriteValues(entry, step.nakedQuad.values);
    ListCells(entry, step.nakedQuad.removals, step.nakedQuad.removalCount);
}
void LogUniqueRectangleType1(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.uniqueRectangle.valueA;
    entry.value2 = step.uniqueRectangle.valueB;
    entry.cellNbr = 0;
    ListCell(entry, step.uniqueRectangle.targetColumn, step.uniqueRectangle.targetRow);
}
void LogUniqueRectangleType2(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.uniqueRectangle.extraValue;
    ListCells(entry, step.uniqueRectangle.removals, step.uniqueRectangle.removalCount);
}
void LogSingleColours(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.singleColours.value;
    ListCells(entry, step.singleColours.removals, step.singleColours.removalCount);
}
void LogXWings(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.xWings.value;
    ListCells(entry, step.xWings.removals, step.xWings.removalCount);
}
void LogYWings(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.yWings.valueZ;
    ListCells(entry, step.yWings.removals, step.yWings.removalCount);
}
void LogForcedChains(const SolveStep& step, StepLogEntry& entry) {
    ListCells(entry, step.forcedChains.results, step.forcedChains.resultCount);
}
void LogBruteForceGuess(const SolveStep& step, StepLogEntry& entry) {
    entry.value1 = step.bruteForceGuess.value;
    ListCells(entry, step.bruteForceGuess.peers, step.bruteForceGuess.peerListCount);
}

using StepLogFiller = void (*)(const SolveStep& step, StepLogEntry& entry);

// Indexed by TechniqueId; ids without a routine have no filler.
// clang-format off
constexpr std::array<StepLogFiller, kTechniqueIdCount> kStepLogFillers = {
    nullptr,                                                        // 0
    LogPlacement,            LogPlacement,        LogPlacement,     // 1-3 singles
    LogPlacement,            LogPlacement,        LogPlacement,     // 4-6 hidden singles
    LogPlacement,                                                   // 7 naked single
    LogPointingPair,         LogPointingPair,                       // 8, 9
    LogBoxLineReduction,     LogBoxLineReduction,                   // 10, 11
    LogNakedPair,            LogNakedPair,        LogNakedPair,     // 12-14
    LogHiddenPair,           LogHiddenPair,       LogHiddenPair,    // 15-17
    LogNakedTriple,          LogNakedTriple,      LogNakedTriple,   // 18-20
    LogHiddenTriple,         LogHiddenTriple,     LogHiddenTriple,  // 21-23
    LogNakedQuad,            LogNakedQuad,        LogNakedQuad,     // 24-26
    LogUniqueRectangleType1, LogUniqueRectangleType2,               // 27, 28
    nullptr,                 nullptr,                               // 29, 30
    LogSingleColours,        LogSingleColours,                      // 31, 32
    LogXWings,               LogYWings,                             // 33, 34
    LogForcedChains,         LogBruteForceGuess,                    // 35, 36
};
// clang-format on
}  // namespace

void FillStepLogEntry(TechniqueId technique, const SolveStep& step, StepLogEntry& entry) {
    entry.techniqueId = technique;
    const StepLogFiller filler =
        IsValidTechniqueId(technique) ? kStepLogFillers[technique] : nullptr;
    if (filler)
        filler(step, entry);
    else
        entry.cellNbr = 0;
}
