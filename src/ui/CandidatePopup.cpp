#include "ui/CandidatePopup.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr char kButtonName[] = "candidate%1_%2";
}

CandidatePopup::CandidatePopup(int boardSize, const QString& labels, QWidget* parent)
    : QDialog(parent, Qt::Popup), pages_(new QTabWidget) {
    pages_->addTab(BuildPage(Choice::Enter, boardSize, labels), "Candidate Selection");
    pages_->addTab(BuildPage(Choice::Toggle, boardSize, labels), "Removal");
    auto* close = new QPushButton("&Close");
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(close);
}

QWidget* CandidatePopup::BuildPage(Choice page, int boardSize, const QString& labels) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    const int side = boardSize == 16 ? 4 : 3;
    for (int value = 1; value <= boardSize; ++value) {
        auto* button = new QPushButton(labels.mid(value - 1, 1));
        button->setObjectName(QString(kButtonName).arg(static_cast<int>(page)).arg(value));
        button->setFixedSize(32, 28);
        connect(button, &QPushButton::clicked, this, [this, page, value] {
            choice_ = page;
            value_ = value;
            accept();
        });
        grid->addWidget(button, (value - 1) / side, (value - 1) % side);
    }
    return widget;
}

QPushButton* CandidatePopup::button(Choice page, int value) const {
    return findChild<QPushButton*>(QString(kButtonName).arg(static_cast<int>(page)).arg(value));
}
