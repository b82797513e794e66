#pragma once
// "Special Board Generation": searches for boards whose step-by-step solution uses a chosen
// technique, lists them with their figures, and hands one back to import or to export. The
// search runs inside "&Start" and lets the window run once per attempt, so that "Sto&p" acts.

#include <QDialog>
#include <functional>

#include "engine/BoardTypes.h"
#include "generation/SpecialGeneration.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class Platform;
class SettingsStore;

class SpecialGenerationDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the export dialog on a result row's board.
    using ExportRequest = std::function<void(const BoardData& record)>;

    SpecialGenerationDialog(Platform& platform, SettingsStore& store, int size,
                            ExportRequest exportRow, QWidget* parent = nullptr);

    // False when the generator could not be made ready (the user has been told): the dialog is
    // then not to be shown.
    bool prepared() const { return prepared_; }
    // The imported board, once the dialog was confirmed.
    const BoardData& record() const { return record_; }
    bool running() const { return running_; }
    // Closing while a search runs stops it first; the dialog closes when the search has ended.
    void reject() override;

    QComboBox* technique = nullptr;
    QComboBox* boardsWanted = nullptr;
    QComboBox* attempts = nullptr;
    QComboBox* minimumLevel = nullptr;
    QComboBox* maximumLevel = nullptr;
    QComboBox* minimumOccurrence = nullptr;
    QComboBox* sortKey = nullptr;
    QComboBox* sortType = nullptr;
    QCheckBox* importFirst = nullptr;
    QPushButton* start = nullptr;
    QPushButton* stop = nullptr;
    QPushButton* exit = nullptr;
    QPushButton* importBoard = nullptr;
    QPushButton* exportBoard = nullptr;
    QProgressBar* progress = nullptr;
    QTreeWidget* results = nullptr;

private:
    QWidget* BuildCriteria();
    QWidget* BuildResults();
    SpecialCriteria Criteria() const;
    void Start();
    // Criteria, "&Start" and "&Exit" live, or only "Sto&p".
    void SetRunning(bool running);
    void Resort();
    // The rows in their order, keeping the selected board selected.
    void ShowRows();
    void SelectionChanged();
    // The selected row's board into the record; false after the message when it cannot be read.
    bool ReadSelectedRow(const char* failureMessage);
    void Import();
    void Export();

    Platform& platform_;
    SettingsStore& store_;
    ExportRequest exportRow_;
    SpecialGeneration search_;
    int size_;
    bool prepared_ = false;
    bool running_ = false;
    bool closeAfterRun_ = false;
    RunControl control_;
    std::vector<SpecialResultRow> rows_;
    BoardData record_;
};
