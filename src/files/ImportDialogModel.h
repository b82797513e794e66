#pragma once
// What the import dialog does apart from its widgets: reading the boards of a file or of the
// clipboard, the list lines, the selection counters and button states, and handing back the
// chosen board.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"
#include "platform/Platform.h"

enum class ImportSource { File, Clipboard };

inline constexpr char kImportFileFilter[] =
    "Sudoku Files (.txt .msk .sdk .sol .spf .ss)|*.txt;*.msk;*.sdk;*.sol;*.spf;*.ss|Text Files "
    "(.txt)|*.txt|";

struct ImportSelectionView {
    std::string selectedNbrText;  // "Number of Selected Boards"
    std::string
        selectedIndexText;       // "Index of Selected Board": the list index when one is selected
    bool importEnabled = false;  // exactly one selected
    bool batchEnabled = false;   // two or more selected
};

class ImportDialogModel {
public:
    ImportDialogModel(Platform& platform, ImportSource source, int assignType)
        : platform_(platform), source_(source), assignType_(assignType) {}

    const char* Title() const;
    // Replaces the boards by those of file (file source) or of the clipboard. With none found,
    // "Unable to Get Board Data !!!" is shown and the list is empty. Returns the count.
    int Import(const std::filesystem::path& file = {});

    const std::vector<BoardData>& Records() const { return records_; }
    std::vector<std::string> ListLines() const;
    std::string BoardNbrText() const;
    // selected holds list indexes in list order.
    ImportSelectionView Selection(const std::vector<int>& selected) const;
    // Copies the one selected record into target; otherwise tells the user and returns false.
    bool ImportSelected(const std::vector<int>& selected, BoardData& target) const;
    // The selected records in list order, for batch processing; indexes out of range are skipped.
    std::vector<BoardData> SelectedRecords(const std::vector<int>& selected) const;

private:
    Platform& platform_;
    ImportSource source_;
    int assignType_;
    std::vector<BoardData> records_;
};
