#include "ui/SidePanelPages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* AddRow(QFormLayout* form, const char* label) {
    auto* value = new QLabel;
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(label, value);
    return value;
}

QTreeWidget* MakeList(const char* const (&headers)[3]) {
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setHeaderLabels({headers[0], headers[1], headers[2]});
    return list;
}

void Fill(QTreeWidget* list, const std::vector<SolveDataRow>& rows) {
    list->clear();
    for (const SolveDataRow& row : rows)
        list->addTopLevelItem(
            new QTreeWidgetItem({Text(row.number), Text(row.technique), Text(row.detail)}));
    for (int column = 0; column < 3; ++column) list->resizeColumnToContents(column);
}
}  // namespace

BoardStatPage::BoardStatPage() {
    auto* attributes = new QGroupBox(" Board Attributes ");
    auto* attributeForm = new QFormLayout(attributes);
    name = AddRow(attributeForm, "Name: ");
    description = AddRow(attributeForm, "Description: ");
    description->setWordWrap(true);
    level = AddRow(attributeForm, "Difficulty Level:  ");

    auto* statistics = new QGroupBox(" Board Statistics ");
    auto* statisticsForm = new QFormLayout(statistics);
    scoreBar = new QProgressBar;
    scoreBar->setRange(0, kScoreBarMaximum);
    scoreBar->setTextVisible(false);
    score = new QLabel;
    score->setMinimumWidth(score->fontMetrics().horizontalAdvance("00000"));
    auto* scoreRow = new QHBoxLayout;
    scoreRow->addWidget(scoreBar, 1);
    scoreRow->addWidget(score);
    statisticsForm->addRow(scoreRow);
    solved = new QLabel;
    statisticsForm->addRow(solved);
    clues = AddRow(statisticsForm, "Number of Clues: ");
    givens = AddRow(statisticsForm, "Number of Givens: ");
    empties = AddRow(statisticsForm, "Number of Empty Cells: ");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(attributes);
    layout->addWidget(statistics);
    layout->addStretch();
}

void BoardStatPage::Show(const BoardStatTexts& texts) {
    name->setText(Text(texts.name));
    description->setText(Text(texts.description));
    level->setText(Text(texts.level));
    scoreBar->setValue(texts.progress);
    score->setText(Text(texts.score));
    solved->setText(Text(texts.solved));
    clues->setText(Text(texts.clues));
    givens->setText(Text(texts.givens));
    empties->setText(Text(texts.empties));
}

SolveDataPanel::SolveDataPanel()
    : summary(MakeList(kSummaryHeaders)),
      steps(MakeList(kStepListHeaders)),
      storeLog(new QPushButton("&Store Log")) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary, 1);
    layout->addWidget(steps, 2);
    layout->addWidget(storeLog, 0, Qt::AlignRight);
}

void SolveDataPanel::Show(const SolveDataPage& page) {
    Fill(summary, page.summary);
    Fill(steps, page.steps);
}
