#include "files/ImportDialogModel.h"

#include "files/BoardImport.h"

namespace {
bool IsListIndex(int index, int count) {
    return index >= 0 && index < count;
}
}  // namespace

const char* ImportDialogModel::Title() const {
    return source_ == ImportSource::File ? "Import Board Data from Text File"
                                         : "Import Board Data from Clipboard";
}

int ImportDialogModel::Import(const std::filesystem::path& file, RunControl* control) {
    const int count = source_ == ImportSource::File
                          ? ReadBoardFile(platform_, file, boards_, control)
                          : ImportClipboard(platform_, boards_, control);
    if (count == 0 && !(control && control->stopRequested))
        platform_.ShowMessage("Unable to Get Board Data !!!");
    return count;
}

std::string ImportDialogModel::BoardNbrText() const {
    return boards_.Count() == 0 ? std::string() : std::to_string(boards_.Count());
}

ImportSelectionView ImportDialogModel::Selection(const std::vector<int>& selected) const {
    ImportSelectionView view;
    view.selectedNbrText = std::to_string(selected.size());
    if (selected.size() == 1) view.selectedIndexText = std::to_string(selected.front());
    view.importEnabled = selected.size() == 1;
    view.batchEnabled = selected.size() >= 2;
    return view;
}

bool ImportDialogModel::ImportSelected(const std::vector<int>& selected, BoardData& target) const {
    if (selected.size() != 1 || !IsListIndex(selected.front(), boards_.Count())) {
        platform_.ShowMessage("Error Selecting the Board !!! End of Job ...");
        return false;
    }
    boards_.Record(selected.front(), target);
    return true;
}
