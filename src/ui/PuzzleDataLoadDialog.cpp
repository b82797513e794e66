#include "ui/PuzzleDataLoadDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "files/PuzzleDataDialogs.h"
#include "files/PuzzleDataFile.h"
#include "ui/BoardAttributesDialog.h"

namespace {
constexpr int kFillDelayMilliseconds = 100;
}  // namespace

PuzzleDataLoadDialog::PuzzleDataLoadDialog(Platform& platform, bool cluesOnly, QWidget* parent)
    : QDialog(parent),
      list(new QTreeView),
      retrieveOnlyClues(new QCheckBox("&Retrieve Only Clues")),
      ok(new QPushButton("OK")),
      viewAttributes(new QPushButton("View Attributes")),
      cancel(new QPushButton("Cancel")),
      platform_(platform) {
    setWindowTitle("Load Board from Raruduz Data File");
    list->setModel(&model_);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    retrieveOnlyClues->setChecked(cluesOnly);
    ok->setEnabled(false);
    ok->setDefault(true);
    viewAttributes->setEnabled(false);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PuzzleDataLoadDialog::RowChosen);
    connect(ok, &QPushButton::clicked, this, &PuzzleDataLoadDialog::TakeChosen);
    connect(viewAttributes, &QPushButton::clicked, this, &PuzzleDataLoadDialog::ShowAttributes);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(retrieveOnlyClues);
    buttons->addStretch();
    buttons->addWidget(viewAttributes);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    resize(640, 400);
    QTimer::singleShot(kFillDelayMilliseconds, this, &PuzzleDataLoadDialog::FillList);
}

std::optional<BoardData> PuzzleDataLoadDialog::Choose(Platform& platform, bool retrieveOnlyClues,
                                                      QWidget* parent) {
    PuzzleDataLoadDialog dialog(platform, retrieveOnlyClues, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

void PuzzleDataLoadDialog::FillList() {
    model_.SetRecords(nullptr);
    {
        BusyCursor busy(platform_);
        ReadDataFile(platform_, PuzzleDataFilePath(platform_), records_);
    }
    chosenName_.clear();
    ok->setEnabled(false);
    viewAttributes->setEnabled(false);
    model_.SetRecords(&records_);
    // Sized to header and contents alike; measured here rather than by the view, which would
    // ask the delegate about every row of a large file.
    QHeaderView* header = list->header();
    const QFontMetrics metrics(list->font());
    const int padding = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    for (int column = 0; column < model_.columnCount(); ++column)
        header->resizeSection(column, std::max(header->sectionSizeHint(column),
                                               model_.WidestText(column, metrics) + padding));
    emit listFilled();
}

void PuzzleDataLoadDialog::RowChosen() {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    chosenName_ = records_[static_cast<std::size_t>(rows.front().row())].name;
    ok->setEnabled(true);
    viewAttributes->setEnabled(true);
}

void PuzzleDataLoadDialog::TakeChosen() {
    BoardData record;
    if (!RetrieveRecord(records_, chosenName_, retrieveOnlyClues->isChecked(), record)) return;
    result_ = std::move(record);
    accept();
}

void PuzzleDataLoadDialog::ShowAttributes() {
    // Records of the same name: the first one, as OK takes it.
    const int index = FindRecordByName(records_, chosenName_);
    if (index < 0) return;
    if (attributes_) attributes_->close();
    attributes_ = new BoardAttributesDialog(records_[static_cast<std::size_t>(index)], this);
    attributes_->setAttribute(Qt::WA_DeleteOnClose);
    attributes_->open();
}
