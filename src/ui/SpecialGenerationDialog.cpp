#include "ui/SpecialGenerationDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "generation/GenerationSettings.h"
#include "platform/Platform.h"
#include "shell/SpecialGenerationTexts.h"

namespace {
constexpr int kMostBoardsWanted = 999;
constexpr int kMostOccurrences = 20;
constexpr int kBoardColumn = 6;
constexpr const char* kSortKeyTexts[] = {"Board Index", "Technique Occurence", "Board Score",
                                         "Clues Number"};
constexpr const char* kSortTypeTexts[] = {"Ascending Sort", "Descending Sort"};

QComboBox* NumberList(int count) {
    auto* list = new QComboBox;
    for (int number = 1; number <= count; ++number) list->addItem(QString::number(number));
    return list;
}

template <typename Texts>
QComboBox* TextList(const Texts& texts) {
    auto* list = new QComboBox;
    for (const char* text : texts) list->addItem(text);
    return list;
}
}  // namespace

SpecialGenerationDialog::SpecialGenerationDialog(Platform& platform, SettingsStore& store, int size,
                                                 ExportRequest exportRow, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      store_(store),
      exportRow_(std::move(exportRow)),
      search_(platform),
      size_(size == 16 ? 16 : 9) {
    setWindowTitle("Special Board Generation");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildCriteria());
    layout->addWidget(BuildResults(), 1);
    auto* buttons = new QHBoxLayout;
    start = new QPushButton("&Start");
    stop = new QPushButton("Sto&p");
    importBoard = new QPushButton("&Import Board");
    exportBoard = new QPushButton("&Export Selected Board to Text File");
    exit = new QPushButton("&Exit");
    for (QPushButton* button : {start, stop, importBoard, exportBoard}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    exit->setAutoDefault(false);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    connect(start, &QPushButton::clicked, this, &SpecialGenerationDialog::Start);
    connect(stop, &QPushButton::clicked, this, [this] { control_.stopRequested = true; });
    connect(importBoard, &QPushButton::clicked, this, &SpecialGenerationDialog::Import);
    connect(exportBoard, &QPushButton::clicked, this, &SpecialGenerationDialog::Export);
    connect(exit, &QPushButton::clicked, this, &SpecialGenerationDialog::reject);

    importBoard->setEnabled(false);
    exportBoard->setEnabled(false);
    stop->setEnabled(false);
    progress->hide();
    prepared_ = search_.Prepare(size_);
}

QWidget* SpecialGenerationDialog::BuildCriteria() {
    auto* criteria = new QWidget;
    auto* grid = new QGridLayout(criteria);
    grid->setContentsMargins(0, 0, 0, 0);
    technique = new QComboBox;
    for (int id = 1; id < kTechniqueIdCount; ++id) technique->addItem(SpecialTechniqueText(id));
    boardsWanted = NumberList(kMostBoardsWanted);
    attempts = TextList(kSpecialAttemptTexts);
    minimumLevel = TextList(kSpecialLevelTexts);
    maximumLevel = TextList(kSpecialLevelTexts);
    minimumOccurrence = NumberList(kMostOccurrences);
    importFirst = new QCheckBox("&Import First Board Automatically");
    // Only a search for one board can import it by itself.
    connect(boardsWanted, &QComboBox::currentIndexChanged, this,
            [this](int index) { importFirst->setVisible(index == 0); });
    const std::pair<const char*, QComboBox*> rows[] = {
        {"Technique Included: ", technique},
        {"Number of Board to Found:  ", boardsWanted},
        {"Number of Generation Attempts: ", attempts},
        {"Minimum Level: ", minimumLevel},
        {"Maximum Level: ", maximumLevel},
        {"Minimum Occurence: ", minimumOccurrence},
    };
    int row = 0;
    for (auto [text, list] : rows) {
        auto* label = new QLabel(text);
        label->setBuddy(list);
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        ++row;
    }
    grid->addWidget(importFirst, 1, 2);
    auto* note = new QLabel(kSpecialCriteriaNote);
    note->setWordWrap(true);
    grid->addWidget(note, row, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return criteria;
}

QWidget* SpecialGenerationDialog::BuildResults() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* sorting = new QHBoxLayout;
    sortKey = TextList(kSortKeyTexts);
    sortType = TextList(kSortTypeTexts);
    auto* keyLabel = new QLabel("Results Sorted By ");
    keyLabel->setBuddy(sortKey);
    auto* typeLabel = new QLabel("Sort Type: ");
    typeLabel->setBuddy(sortType);
    sorting->addWidget(keyLabel);
    sorting->addWidget(sortKey);
    sorting->addWidget(typeLabel);
    sorting->addWidget(sortType);
    sorting->addStretch();
    connect(sortKey, &QComboBox::currentIndexChanged, this, &SpecialGenerationDialog::Resort);
    connect(sortType, &QComboBox::currentIndexChanged, this, &SpecialGenerationDialog::Resort);
    layout->addLayout(sorting);

    results = new QTreeWidget;
    results->setRootIsDecorated(false);
    results->setAllColumnsShowFocus(true);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const char* title : kSpecialResultColumns) titles << title;
    results->setHeaderLabels(titles);
    results->setMinimumSize(640, 200);
    connect(results, &QTreeWidget::itemSelectionChanged, this,
            &SpecialGenerationDialog::SelectionChanged);
    layout->addWidget(results, 1);

    progress = new QProgressBar;
    layout->addWidget(progress);
    return area;
}

SpecialCriteria SpecialGenerationDialog::Criteria() const {
    SpecialCriteria criteria;
    criteria.techniqueId = technique->currentIndex() + 1;
    criteria.boardsWanted = boardsWanted->currentIndex() + 1;
    criteria.minimumLevel = minimumLevel->currentIndex();
    criteria.maximumLevel = maximumLevel->currentIndex();
    criteria.minimumOccurrence = minimumOccurrence->currentIndex() + 1;
    return criteria;
}

void SpecialGenerationDialog::Start() {
    const SpecialCriteria criteria = Criteria();
    const int attemptLimit = attempts->currentText().trimmed().toInt();
    int found = 0;
    {
        BusyCursor busy(platform_);
        StoreLastSolveTech(store_, criteria.techniqueId);
        progress->setRange(0, attemptLimit);
        progress->setValue(0);
        progress->show();
        SetRunning(true);
        rows_.clear();
        ShowRows();
        control_.stopRequested = false;
        control_.attemptLimit = attemptLimit;
        control_.progress = [this](int attempt) {
            progress->setValue(attempt);
            if (search_.rows().size() != rows_.size()) {
                rows_ = search_.rows();
                ShowRows();
            }
        };
        search_.sortKey = static_cast<SpecialSortKey>(sortKey->currentIndex());
        search_.sortDescending = sortType->currentIndex() == 1;
        found = search_.Run(criteria, &control_);
        rows_ = search_.rows();
        ShowRows();
        SetRunning(false);
        progress->setValue(0);
        progress->hide();
    }
    if (closeAfterRun_) {
        QDialog::reject();
        return;
    }
    if (importFirst->isChecked() && criteria.boardsWanted == 1 && rows_.size() == 1) {
        results->setCurrentItem(results->topLevelItem(0));
        Import();
        return;
    }
    platform_.ShowMessage(SpecialClosingMessage(found));
}

void SpecialGenerationDialog::SetRunning(bool running) {
    running_ = running;
    for (QWidget* control : std::initializer_list<QWidget*>{
             technique, boardsWanted, attempts, minimumLevel, maximumLevel, minimumOccurrence,
             importFirst, sortKey, sortType, results, start, exit})
        control->setEnabled(!running);
    stop->setEnabled(running);
    if (running) {
        importBoard->setEnabled(false);
        exportBoard->setEnabled(false);
    }
}

void SpecialGenerationDialog::Resort() {
    SortSpecialResults(rows_, static_cast<SpecialSortKey>(sortKey->currentIndex()),
                       sortType->currentIndex() == 1);
    ShowRows();
}

void SpecialGenerationDialog::ShowRows() {
    const QTreeWidgetItem* current = results->currentItem();
    const QString selected = current && current->isSelected() ? current->text(0) : QString();
    results->clear();
    QTreeWidgetItem* reselect = nullptr;
    for (const SpecialResultRow& row : rows_) {
        auto* item = new QTreeWidgetItem(QStringList{
            QString::number(row.index), QString::number(row.attempt), QString::number(row.clueNbr),
            QString::number(row.occurrence), row.levelText, QString::number(row.score),
            QString::fromStdString(row.board)});
        item->setFont(kBoardColumn, QFontDatabase::systemFont(QFontDatabase::FixedFont));
        results->addTopLevelItem(item);
        if (!selected.isEmpty() && item->text(0) == selected) reselect = item;
    }
    for (int column = 0; column < results->columnCount(); ++column)
        results->resizeColumnToContents(column);
    if (reselect) results->setCurrentItem(reselect);
    SelectionChanged();
}

void SpecialGenerationDialog::SelectionChanged() {
    const bool chosen = !running_ && !results->selectedItems().isEmpty();
    importBoard->setEnabled(chosen);
    exportBoard->setEnabled(chosen);
}

bool SpecialGenerationDialog::ReadSelectedRow(const char* failureMessage) {
    const QList<QTreeWidgetItem*> selected = results->selectedItems();
    record_ = BoardData{};
    const std::string text =
        selected.isEmpty() ? std::string() : selected.front()->text(kBoardColumn).toStdString();
    if (!ReadSpecialResultBoard(text, size_, record_)) {
        platform_.ShowMessage(failureMessage);
        return false;
    }
    return true;
}

void SpecialGenerationDialog::Import() {
    if (ReadSelectedRow(kSpecialImportReadError)) accept();
}

void SpecialGenerationDialog::Export() {
    if (ReadSelectedRow(kSpecialExportReadError) && exportRow_) exportRow_(record_);
}

void SpecialGenerationDialog::reject() {
    if (running_) {
        control_.stopRequested = true;
        closeAfterRun_ = true;
        return;
    }
    QDialog::reject();
}
