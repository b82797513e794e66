#include "ui/HintDataPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/PanelRows.h"

HintDataPage::HintDataPage() : details(new QStackedWidget) {
    auto* box = new QGroupBox(" Hint Informations ");
    auto* boxLayout = new QVBoxLayout(box);
    auto* form = new QFormLayout;
    technique = AddPanelRow(form, kHintTechniqueLabel);
    boxLayout->addLayout(form);
    for (int page = 0; page < kHintPageCount; ++page)
        details->addWidget(BuildDetail(HintPageLayoutOf(page), details_[page]));
    details->setVisible(false);
    boxLayout->addWidget(details, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box, 1);
}

QWidget* HintDataPage::BuildDetail(const HintPageLayout& layout, Detail& detail) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < layout.fieldNbr; ++i)
        detail.fields.push_back(AddPanelRow(form, layout.fields[i].label));
    const std::vector<std::string> headers = HintListHeaders(layout.list);
    if (headers.empty()) return page;
    detail.updatedNbr = AddPanelRow(form, kUpdatedNbrLabel);
    form->addRow(new QLabel(kUpdatedListLabel));
    detail.list = new QTreeWidget;
    detail.list->setRootIsDecorated(false);
    QStringList labels;
    for (const std::string& header : headers) labels << PanelText(header);
    detail.list->setHeaderLabels(labels);
    form->addRow(detail.list);
    return page;
}

void HintDataPage::Show(const HintDataTexts& texts) {
    technique->setText(PanelText(texts.technique));
    const bool shown = texts.page > 0 && texts.page < kHintPageCount;
    details->setVisible(shown);
    if (!shown) return;
    Detail& detail = details_[texts.page];
    for (std::size_t i = 0; i < detail.fields.size() && i < texts.fields.size(); ++i)
        detail.fields[i]->setText(PanelText(texts.fields[i]));
    details->setCurrentIndex(texts.page);
    if (!detail.list) return;
    detail.updatedNbr->setText(PanelText(texts.updatedNbr));
    detail.list->clear();
    for (const std::vector<std::string>& row : texts.rows) {
        QStringList cells;
        for (const std::string& cell : row) cells << PanelText(cell);
        detail.list->addTopLevelItem(new QTreeWidgetItem(cells));
    }
    for (int column = 0; column < detail.list->columnCount(); ++column)
        detail.list->resizeColumnToContents(column);
}
