#include "ui/SidePanelPages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/PanelRows.h"

namespace {
QTreeWidget* MakeList(const char* const (&headers)[3]) {
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setHeaderLabels({headers[0], headers[1], headers[2]});
    return list;
}

void Fill(QTreeWidget* list, const std::vector<SolveDataRow>& rows) {
    list->clear();
    for (const SolveDataRow& row : rows)
        list->addTopLevelItem(new QTreeWidgetItem(
            {PanelText(row.number), PanelText(row.technique), PanelText(row.detail)}));
    for (int column = 0; column < 3; ++column) list->resizeColumnToContents(column);
}
}  // namespace

BoardStatPage::BoardStatPage() {
    auto* attributes = new QGroupBox(" Board Attributes ");
    auto* attributeForm = new QFormLayout(attributes);
    name = AddPanelRow(attributeForm, "Name: ");
    description = AddPanelRow(attributeForm, "Description: ");
    description->setWordWrap(true);
    level = AddPanelRow(attributeForm, "Difficulty Level:  ");

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
    clues = AddPanelRow(statisticsForm, "Number of Clues: ");
    givens = AddPanelRow(statisticsForm, "Number of Givens: ");
    empties = AddPanelRow(statisticsForm, "Number of Empty Cells: ");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(attributes);
    layout->addWidget(statistics);
    layout->addStretch();
}

void BoardStatPage::Show(const BoardStatTexts& texts) {
    name->setText(PanelText(texts.name));
    description->setText(PanelText(texts.description));
    level->setText(PanelText(texts.level));
    scoreBar->setValue(texts.progress);
    score->setText(PanelText(texts.score));
    solved->setText(PanelText(texts.solved));
    clues->setText(PanelText(texts.clues));
    givens->setText(PanelText(texts.givens));
    empties->setText(PanelText(texts.empties));
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
