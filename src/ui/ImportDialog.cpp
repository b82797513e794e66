#include "ui/ImportDialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "files/BatchJob.h"
#include "ui/LineListModel.h"
#include "ui/LogViewerDialog.h"

namespace {
// How often the window looks at a running batch: well inside the tenth of a second in which
// Cancel must be seen to act.
constexpr int kBatchPollMilliseconds = 25;
constexpr char kFileChooserTitle[] = "Open";

QLineEdit* Counter() {
    auto* counter = new QLineEdit;
    counter->setReadOnly(true);
    counter->setFocusPolicy(Qt::NoFocus);
    counter->setMaximumWidth(counter->fontMetrics().horizontalAdvance("0000000000"));
    return counter;
}
}  // namespace

ImportDialog::ImportDialog(Platform& platform, ImportSource source, int assignType, QWidget* parent,
                           std::filesystem::path file)
    : QDialog(parent),
      list(new QListView),
      boardNbr(Counter()),
      selectedNbr(Counter()),
      selectedIndex(Counter()),
      selectAll(new QPushButton("&Select All")),
      unselectAll(new QPushButton("&Unselect All")),
      browse(new QPushButton("&Browse")),
      importSelected(new QPushButton("&Import Selected Board")),
      startBatch(new QPushButton("Start &Batch Processing")),
      viewResults(new QPushButton("&View Results")),
      exit(new QPushButton("&Exit")),
      progress(new QProgressBar),
      cancel(new QPushButton("&Cancel")),
      platform_(platform),
      model_(platform, source, assignType),
      lines_(new LineListModel(this)) {
    setWindowTitle(model_.Title());
    ShowLineList(list, lines_);
    list->setFont(QFont("Courier New"));
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ImportDialog::Refresh);

    auto* counters = new QFormLayout;
    counters->addRow("Number of Boards", boardNbr);
    counters->addRow("Number of Selected Boards", selectedNbr);
    counters->addRow("Index of Selected Board", selectedIndex);
    auto* selection = new QVBoxLayout;
    selection->addWidget(selectAll);
    selection->addWidget(unselectAll);
    selection->addWidget(browse);
    auto* middle = new QHBoxLayout;
    middle->addLayout(counters);
    middle->addStretch();
    middle->addLayout(selection);

    auto* actions = new QHBoxLayout;
    for (QPushButton* button : {importSelected, startBatch, viewResults})
        actions->addWidget(button);
    actions->addStretch();
    actions->addWidget(exit);
    auto* running = new QHBoxLayout;
    running->addWidget(progress, 1);
    running->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(middle);
    layout->addLayout(running);
    layout->addLayout(actions);
    HideProgress();
    resize(900, 520);

    connect(selectAll, &QPushButton::clicked, list, &QListView::selectAll);
    connect(unselectAll, &QPushButton::clicked, list, &QListView::clearSelection);
    connect(browse, &QPushButton::clicked, this, [this] { RunImport(false); });
    connect(importSelected, &QPushButton::clicked, this, &ImportDialog::ImportSelectedBoard);
    connect(startBatch, &QPushButton::clicked, this, &ImportDialog::StartBatch);
    connect(viewResults, &QPushButton::clicked, this, [this] {
        LogViewerDialog viewer(platform_, BatchReportPath(platform_), this);
        viewer.exec();
    });
    connect(exit, &QPushButton::clicked, this, &ImportDialog::reject);
    connect(cancel, &QPushButton::clicked, this, &ImportDialog::Cancel);
    connect(&batchTimer_, &QTimer::timeout, this, &ImportDialog::FollowBatch);
    Refresh();
    firstFile_ = std::move(file);
    QTimer::singleShot(100, this, [this] { RunImport(true); });
}

ImportDialog::~ImportDialog() {
    // The job's destructor stops the worker and waits for it.
    if (job_) platform_.EndBusyCursor();
}

void ImportDialog::RunImport(bool first) {
    std::filesystem::path file;
    if (first && !firstFile_.empty()) {
        file = firstFile_;
    } else if (model_.Source() == ImportSource::File) {
        const std::optional<std::filesystem::path> chosen =
            platform_.ChooseFile(FileChoice::Open, kFileChooserTitle, {}, kImportFileFilter);
        if (!chosen) {
            if (first) QDialog::reject();
            return;
        }
        file = *chosen;
    }
    RunControl control;
    // A long read shows how far it has come and lets the window (and Cancel) run.
    control.progress = [this, &control](int percent) {
        ShowProgress(100);
        progress->setValue(percent);
        if (!platform_.PumpMessages()) control.stopRequested = true;
    };
    // The boards are about to be replaced: the list must not ask for the old ones meanwhile.
    lines_->Reset(0, {}, {});
    reading_ = &control;
    Refresh();
    {
        BusyCursor busyCursor(platform_);
        model_.Import(file, &control);
    }
    reading_ = nullptr;
    HideProgress();
    ShowBoards();
    CloseIfAsked();
}

void ImportDialog::ShowBoards() {
    const BoardList& boards = model_.Boards();
    const QFontMetrics metrics(list->font());
    const QSize lineSize(metrics.horizontalAdvance('M') * (boards.LongestRun() + 1),
                         metrics.height());
    lines_->Reset(
        boards.Count(), [&boards](int row) { return QString::fromStdString(boards.ListLine(row)); },
        lineSize);
    Refresh();
}

std::vector<int> ImportDialog::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : list->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ImportDialog::Refresh() {
    const bool idle = !busy();
    const bool listed = model_.Boards().Count() > 0;
    const ImportSelectionView selection = model_.Selection(SelectedRows());
    boardNbr->setText(QString::fromStdString(model_.BoardNbrText()));
    selectedNbr->setText(listed ? QString::fromStdString(selection.selectedNbrText) : QString());
    selectedIndex->setText(QString::fromStdString(selection.selectedIndexText));
    for (QPushButton* button : {selectAll, unselectAll, browse, exit}) button->setEnabled(idle);
    importSelected->setEnabled(idle && selection.importEnabled);
    startBatch->setEnabled(idle && selection.batchEnabled);
    viewResults->setEnabled(idle && resultsWritten_);
}

void ImportDialog::ImportSelectedBoard() {
    if (model_.ImportSelected(SelectedRows(), chosen_))
        accept();
    else
        QDialog::reject();
}

void ImportDialog::StartBatch() {
    BoardList boards = model_.SelectedBoards(SelectedRows());
    ShowProgress(boards.Count());
    platform_.BeginBusyCursor();
    job_ = std::make_unique<BatchJob>(platform_, std::move(boards), BatchReportPath(platform_));
    batchTimer_.start(kBatchPollMilliseconds);
    Refresh();
}

void ImportDialog::FollowBatch() {
    progress->setValue(job_->Progress());
    if (!job_->Done()) return;
    batchTimer_.stop();
    platform_.EndBusyCursor();
    HideProgress();
    // The messages of a failed run show here, once the window is usable again.
    const BatchOutcome outcome = job_->Wait();
    job_.reset();
    // A cancelled or failed run left the old report in place, and the button as it was.
    if (outcome == BatchOutcome::Written) resultsWritten_ = true;
    Refresh();
    CloseIfAsked();
}

void ImportDialog::Cancel() {
    if (job_) job_->RequestStop();
    if (reading_) reading_->stopRequested = true;
}

void ImportDialog::reject() {
    if (!busy()) {
        QDialog::reject();
        return;
    }
    closeWhenStopped_ = true;
    Cancel();
}

void ImportDialog::CloseIfAsked() {
    if (closeWhenStopped_ && !busy()) QDialog::reject();
}

void ImportDialog::ShowProgress(int maximum) {
    progress->setRange(0, maximum);
    progress->show();
    cancel->show();
}

void ImportDialog::HideProgress() {
    progress->hide();
    progress->reset();
    cancel->hide();
}
