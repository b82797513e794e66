#include "shell/BoardOptions.h"

#include "platform/SettingsStore.h"

namespace {
// The values the dialog does not edit are taken from the one that does not change them.
ViewSettings WithUneditedFrom(ViewSettings edited, const ViewSettings& unedited) {
    edited.viewMode = unedited.viewMode;
    edited.zoomRatio = unedited.zoomRatio;
    edited.defaultBoardSize = unedited.defaultBoardSize;
    return edited;
}
}  // namespace

BoardOptions CurrentBoardOptions(const CRaruduzDoc& document) {
    return {document.settings, document.board().allowBruteForceTech};
}

BoardOptions ResetBoardOptions(const BoardOptions& options) {
    BoardOptions reset;
    reset.settings = WithUneditedFrom(ViewSettings{}, options.settings);
    reset.settings.alternateColour = 1;
    reset.settings.cluesColour = 0xFFFFFF;
    reset.allowBruteForceTech = 1;
    return reset;
}

void ApplyBoardOptions(CRaruduzDoc& document, SettingsStore& store, const BoardOptions& options) {
    document.settings = WithUneditedFrom(options.settings, document.settings);
    document.board().allowBruteForceTech = options.allowBruteForceTech;
    SaveViewSettings(store, document.settings);
}
