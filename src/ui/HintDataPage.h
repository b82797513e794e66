#pragma once
// The "Hint Data" tab page: the technique of the hint shown and, below it, the detail page of the
// step's family alone, one page per family built from the shell's page layouts.

#include <QWidget>
#include <array>
#include <vector>

#include "shell/HintDataTexts.h"

class QLabel;
class QStackedWidget;
class QTreeWidget;

class HintDataPage : public QWidget {
    Q_OBJECT
public:
    HintDataPage();
    void Show(const HintDataTexts& texts);

    // The text beside each field label of a detail page, in the layout's order.
    QLabel* field(int page, int index) const { return details_[page].fields[index]; }
    QLabel* updatedNbr(int page) const { return details_[page].updatedNbr; }
    QTreeWidget* list(int page) const { return details_[page].list; }

    QLabel* technique;
    // Hidden while no detail page is shown.
    QStackedWidget* details;

private:
    struct Detail {
        std::vector<QLabel*> fields;
        QLabel* updatedNbr = nullptr;
        QTreeWidget* list = nullptr;
    };
    QWidget* BuildDetail(const HintPageLayout& layout, Detail& detail);

    std::array<Detail, kHintPageCount> details_;
};
