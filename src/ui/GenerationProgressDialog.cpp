#include "ui/GenerationProgressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

GenerationProgressDialog::GenerationProgressDialog(RunControl& control, QWidget* parent)
    : QDialog(parent), control_(control) {
    setWindowTitle("Board Generation");
    setWindowModality(Qt::ApplicationModal);
    auto* label = new QLabel("Generating Board ...");
    attempts_ = new QLabel("Attempts: 0");
    // No total is known: the bar only shows that the work goes on.
    auto* bar = new QProgressBar;
    bar->setRange(0, 0);
    bar->setMinimumWidth(260);
    cancel_ = new QPushButton("Cancel");
    connect(cancel_, &QPushButton::clicked, this, &GenerationProgressDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(attempts_);
    layout->addWidget(bar);
    layout->addLayout(buttons);
    show();
}

void GenerationProgressDialog::ShowAttempt(int attempt) {
    attempts_->setText(QString("Attempts: %1").arg(attempt));
}

void GenerationProgressDialog::reject() {
    // The run ends at its next attempt; the command that owns this window then closes it.
    control_.stopRequested = true;
    cancel_->setEnabled(false);
}
