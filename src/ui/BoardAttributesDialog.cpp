#include "ui/BoardAttributesDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/PuzzleDataDialogs.h"
#include "ui/BoardText.h"

BoardAttributesDialog::BoardAttributesDialog(const PuzzleRecord& record, QWidget* parent)
    : QDialog(parent), list(new QTreeWidget) {
    setWindowTitle("View Board Attributes");
    list->setColumnCount(2);
    list->setHeaderLabels({"Attribute", "Board Data"});
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    for (const auto& [attribute, value] : BoardAttributes(record))
        list->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(attribute), FromBoardText(value)}));
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    resize(420, 320);
}
