#include "files/ImportDialogModel.h"

#include "files/BoardImport.h"

namespace {
bool IsListIndex(int index, std::size_t count) {
    return index >= 0 && static_cast<std::size_t>(index) < count;
}
}  // namespace

const char* ImportDialogModel::Title() const {
    return source_ == ImportSource::File ? "Import Board Data from Text File"
                                         : "Import Board Data from Clipboard";
}

int ImportDialogModel::Import(const std::filesystem::path& file) {
    std::vector<BoardData> records;
    const int count = source_ == ImportSource::File
                          ? ReadBoardFile(platform_, file, records, assignType_)
                          : ImportClipboard(platform_, records, assignType_);
    if (count == 0) {
        platform_.ShowMessage("Unable to Get Board Data !!!");
        records_.clear();
        return 0;
    }
    records_ = std::move(records);
    return count;
}

std::vector<std::string> ImportDialogModel::ListLines() const {
    std::vector<std::string> lines;
    lines.reserve(records_.size());
    for (const BoardData& record : records_) lines.push_back(BoardListLine(record));
    return lines;
}

std::string ImportDialogModel::BoardNbrText() const {
    return records_.empty() ? std::string() : std::to_string(records_.size());
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
    if (selected.size() != 1 || !IsListIndex(selected.front(), records_.size())) {
        platform_.ShowMessage("Error Selecting the Board !!! End of Job ...");
        return false;
    }
    target = records_[selected.front()];
    return true;
}

std::vector<BoardData> ImportDialogModel::SelectedRecords(const std::vector<int>& selected) const {
    std::vector<BoardData> records;
    for (int index : selected)
        if (IsListIndex(index, records_.size())) records.push_back(records_[index]);
    return records;
}
