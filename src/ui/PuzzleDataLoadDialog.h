#pragma once
// "Load Board from Raruduz Data File": the boards of the puzzle data file in a list, from which
// OK takes one (only its clues when "Retrieve Only Clues" is checked) and "View Attributes" shows
// one's attributes. The list is filled 100 ms after the dialog was built, so that the dialog is
// on screen while a large file is read.

#include <QDialog>
#include <QPointer>
#include <optional>
#include <string>
#include <vector>

#include "engine/BoardTypes.h"
#include "files/PuzzleRecord.h"
#include "platform/Platform.h"
#include "ui/BoardAttributesDialog.h"
#include "ui/PuzzleRecordListModel.h"

class QCheckBox;
class QPushButton;
class QTreeView;

class PuzzleDataLoadDialog : public QDialog {
    Q_OBJECT
public:
    PuzzleDataLoadDialog(Platform& platform, bool retrieveOnlyClues, QWidget* parent);

    // Runs the dialog: the record chosen with OK, nothing when cancelled.
    static std::optional<BoardData> Choose(Platform& platform, bool retrieveOnlyClues,
                                           QWidget* parent);

    // Reads the puzzle data file into the list (the timer calls it once).
    void FillList();
    const std::optional<BoardData>& chosen() const { return result_; }
    // The attributes window while it is open.
    BoardAttributesDialog* attributesDialog() const { return attributes_; }

    QTreeView* list;
    QCheckBox* retrieveOnlyClues;
    QPushButton* ok;
    QPushButton* viewAttributes;
    QPushButton* cancel;

signals:
    void listFilled();

private:
    void RowChosen();
    void TakeChosen();
    void ShowAttributes();

    Platform& platform_;
    std::vector<PuzzleRecord> records_;
    PuzzleRecordListModel model_;
    std::string chosenName_;
    std::optional<BoardData> result_;
    QPointer<BoardAttributesDialog> attributes_;
};
