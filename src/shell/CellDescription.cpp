#include "shell/CellDescription.h"

#include "shell/BoardPicture.h"
#include "shell/SidePanels.h"

namespace {
bool MistakesDrawn(const CRaruduzDoc& document) {
    return document.settings.showMistakes == 1 || document.view.mistakesShown;
}

bool MarksDrawn(const CRaruduzDoc& document) {
    return document.settings.showHelper == 1 &&
           (document.view.entryMode != SetMode || document.settings.showPencilMarksSetMode == 1);
}

const char* KindOf(const BoardCell& cell, const CRaruduzDoc& document) {
    if (cell.type == Clue) return "clue";
    if (cell.type == Mistake && MistakesDrawn(document)) return "mistake";
    return "given";
}
}  // namespace

std::string SelectedCellDescription(const CRaruduzDoc& document) {
    const SudokuBoard& board = document.board();
    const int column = document.view.selectedX;
    const int row = document.view.selectedY;
    std::string text = "r" + std::to_string(row + 1) + "c" + std::to_string(column + 1) + ", ";
    const BoardCell& cell = board.Cell(column, row);
    const int viewMode = document.settings.viewMode;
    const std::string_view letters = DisplayLetters(document);
    if (!cell.IsEmpty())
        return text + SymbolText(viewMode, cell.value, letters) + ", " + KindOf(cell, document);
    text += "empty";
    if (!MarksDrawn(document)) return text;
    if (cell.candidates == 0) return text + ", no candidates";
    text += ", candidates";
    for (int value = 1; value <= board.size; ++value)
        if (cell.candidates & bitOf(value)) (text += ' ') += SymbolText(viewMode, value, letters);
    return text;
}
