#include "ui/GetSolvingTechniqueDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "techniques/TechniqueCatalogue.h"

GetSolvingTechniqueDialog::GetSolvingTechniqueDialog(int preselected, QWidget* parent)
    : QDialog(parent), list_(new QListWidget) {
    setWindowTitle("Get Solving Technique");
    for (int id = 1; id < kTechniqueIdCount; ++id) list_->addItem(kTechniques[id].name);
    list_->setCurrentRow(preselected);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

std::optional<int> GetSolvingTechniqueDialog::Choose(int preselected, QWidget* parent) {
    GetSolvingTechniqueDialog dialog(preselected, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.list_->currentRow() < 0) return std::nullopt;
    return dialog.list_->currentRow();
}
