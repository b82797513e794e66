#pragma once
// "Import Board Data from Text File" / "Import Board Data from Clipboard": the boards of a text
// file or of the clipboard in a list, one of them imported into the document or several solved
// in a batch. The list draws only the lines in sight, so a file of tens of thousands of boards
// opens at once. The batch runs on a worker thread (BatchJob) that a timer polls: the window
// stays live, Cancel acts at the worker's next check, and the widgets are touched on this thread
// only. While a batch runs or the boards are being read, the other buttons wait, and closing the
// window cancels first.

#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/BoardTypes.h"
#include "engine/RunControl.h"
#include "files/ImportDialogModel.h"

class BatchJob;
class LineListModel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // Shows nothing modally itself: the import starts 100 ms after the window was built.
    // With a file, the first import reads it instead of asking for one (a file opened with the
    // program or dropped on its window).
    ImportDialog(Platform& platform, ImportSource source, int assignType, QWidget* parent = nullptr,
                 std::filesystem::path file = {});
    ~ImportDialog() override;

    // The board imported, once the dialog ended accepted.
    const BoardData& chosen() const { return chosen_; }
    // A batch or a read is under way.
    bool busy() const { return job_ != nullptr || reading_ != nullptr; }

    // While busy: cancels, and closes once the work has stopped.
    void reject() override;

    QListView* list;
    QLineEdit* boardNbr;
    QLineEdit* selectedNbr;
    QLineEdit* selectedIndex;
    QPushButton* selectAll;
    QPushButton* unselectAll;
    QPushButton* browse;
    QPushButton* importSelected;
    QPushButton* startBatch;
    QPushButton* viewResults;
    QPushButton* exit;
    QProgressBar* progress;
    QPushButton* cancel;

private:
    // Step 1 (the file chooser or the clipboard), then the reading and the list. first: the
    // chooser's Cancel closes the dialog.
    void RunImport(bool first);
    void ShowBoards();
    std::vector<int> SelectedRows() const;
    // The counters and every button's state, from the selection and what is under way.
    void Refresh();
    void ImportSelectedBoard();
    void StartBatch();
    void FollowBatch();
    void Cancel();
    void ShowProgress(int maximum);
    void HideProgress();
    void CloseIfAsked();

    Platform& platform_;
    ImportDialogModel model_;
    LineListModel* lines_;
    BoardData chosen_;
    std::unique_ptr<BatchJob> job_;
    QTimer batchTimer_;
    std::filesystem::path firstFile_;
    RunControl* reading_ = nullptr;
    bool resultsWritten_ = false;
    bool closeWhenStopped_ = false;
};
