#include "shell/DocumentViewState.h"

#include "shell/SidePanels.h"

BoardViewState ViewStateOf(const CRaruduzDoc& document, Colour defaultBackground) {
    BoardViewState state;
    state.entryMode = document.view.entryMode;
    state.selected = {document.view.selectedX, document.view.selectedY};
    state.highlightedValue = document.view.highlighted;
    state.mistakesShown = document.view.mistakesShown;
    state.hintShown = document.view.hintShown;
    state.hint = &document.hint;
    state.letters = DisplayLetters(document);
    state.defaultBackground = defaultBackground;
    return state;
}
