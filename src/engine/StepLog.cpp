#include "engine/StepLog.h"

#include <algorithm>

namespace {
// Cells beyond the entry's capacity are dropped; the log keeps the first ones.
void ListCell(StepLogEntry& entry, int column, int row) {
    if (entry.cellNbr >= kStepLogCellCapacity) return;
    entry.cellColumn[entry.cellNbr] = column + 1;
    entry.cellRow[entry.cellNbr] = row + 1;
    ++entry.cellNbr;
}
}  // namespace

void FillStepLogEntry(const StepDisplay& display, StepLogEntry& entry) {
    entry.techniqueId = display.technique;
    std::int32_t* const values[] = {&entry.value1, &entry.value2, &entry.value3, &entry.value4};
    for (int i = 0; i < std::clamp(display.valueNbr, 0, 4); ++i) *values[i] = display.values[i];
    entry.cellNbr = 0;
    if (display.logsPlacement) {
        ListCell(entry, display.placedCell.column, display.placedCell.row);
        return;
    }
    for (int i = 0; i < std::clamp(display.changeNbr, 0, kDisplayChangeCapacity); ++i)
        ListCell(entry, display.changes[i].column, display.changes[i].row);
}
