#pragma once
// What the import dialog does apart from its widgets: reading the boards of a file or of the
// clipboard, the list lines, the selection counters and button states, and handing back the
// chosen board.

#include <filesystem>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"
#include "engine/RunControl.h"
#include "files/BoardImport.h"
#include "platform/Platform.h"

enum class ImportSource { File, Clipboard };

// In the file chooser's form: each description followed by its patterns in parentheses.
inline constexpr char kImportFileFilter[] =
    "Sudoku Files (.txt .msk .sdk .sol .spf .ss) (*.txt *.msk *.sdk *.sol *.spf *.ss);;Text Files "
    "(.txt) (*.txt)";

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
        : platform_(platform), source_(source), boards_(assignType) {}

    const char* Title() const;
    ImportSource Source() const { return source_; }
    // Replaces the boards by those of file (file source) or of the clipboard. With none found,
    // "Unable to Get Board Data !!!" is shown and the list is empty. control as for
    // ScanSymbolRuns; a stopped read leaves the list empty without a message. Returns the count.
    int Import(const std::filesystem::path& file = {}, RunControl* control = nullptr);

    const BoardList& Boards() const { return boards_; }
    std::string BoardNbrText() const;
    // selected holds list indexes in list order.
    ImportSelectionView Selection(const std::vector<int>& selected) const;
    // Copies the one selected record into target; otherwise tells the user and returns false.
    bool ImportSelected(const std::vector<int>& selected, BoardData& target) const;
    // The selected boards in list order, for batch processing; indexes out of range are skipped.
    BoardList SelectedBoards(const std::vector<int>& selected) const {
        return boards_.Subset(selected);
    }

private:
    Platform& platform_;
    ImportSource source_;
    BoardList boards_;
};
