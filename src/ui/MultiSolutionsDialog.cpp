#include "ui/MultiSolutionsDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/SudokuBoard.h"
#include "files/PuzzleDataDialogs.h"

MultiSolutionsDialog::MultiSolutionsDialog(const SudokuBoard& board, QWidget* parent)
    : QDialog(parent),
      heading(new QLabel),
      count(new QLineEdit),
      shownLine(new QLabel),
      list(new QTreeWidget),
      separator(new QComboBox),
      exit(new QPushButton("&Exit")) {
    setWindowTitle("Multi-Solutions Board");
    for (std::size_t k = 0; k < listings_.size(); ++k)
        for (const std::string& row : MultipleSolutions(board, kRowSeparators[k]).rows)
            listings_[k] << QString::fromStdString(row);
    const MultipleSolutionsView view = MultipleSolutions(board, kRowSeparators[0]);
    heading->setText(QString::fromStdString(view.heading));
    heading->setFont(QFont("Arial", 11, QFont::Bold));
    heading->setWordWrap(true);
    count->setText(QString::fromStdString(view.countText));
    count->setReadOnly(true);
    count->setMaximumWidth(count->fontMetrics().horizontalAdvance("> 000") * 3);
    shownLine->setText(QString::fromStdString(view.shownLine));
    shownLine->setVisible(!view.shownLine.empty());
    list->setColumnCount(2);
    list->setHeaderLabels({"Ndx", "Board Data"});
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    for (const char* item : kRowSeparatorItems) separator->addItem(item);
    separator->setCurrentIndex(0);
    connect(separator, &QComboBox::currentIndexChanged, this, &MultiSolutionsDialog::FillList);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel("Number of Solutions:"));
    countRow->addWidget(count);
    countRow->addStretch();
    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(new QLabel("Separator Between Board Rows: "));
    separatorRow->addWidget(separator);
    separatorRow->addStretch();
    separatorRow->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(countRow);
    layout->addWidget(shownLine);
    layout->addWidget(list, 1);
    layout->addLayout(separatorRow);
    FillList();
    resize(720, 420);
}

void MultiSolutionsDialog::FillList() {
    const int chosen = std::clamp(separator->currentIndex(), 0, int(listings_.size()) - 1);
    list->clear();
    int k = 0;
    for (const QString& row : listings_[chosen])
        list->addTopLevelItem(new QTreeWidgetItem({QString::number(++k), row}));
}
