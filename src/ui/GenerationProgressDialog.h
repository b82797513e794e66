#pragma once
// Shown while a board of a chosen level is generated: the number of attempts so far (how many
// a level needs is not known beforehand) and a Cancel that stops the run before its next
// attempt. Closing the window means Cancel too. It blocks the rest of the program while shown,
// so that nothing else changes the board meanwhile.

#include <QDialog>

#include "engine/RunControl.h"
#include "shell/CommandRunner.h"

class QLabel;
class QPushButton;

class GenerationProgressDialog : public QDialog, public RunProgress {
    Q_OBJECT
public:
    GenerationProgressDialog(RunControl& control, QWidget* parent = nullptr);

    void ShowAttempt(int attempt) override;
    void reject() override;

    QLabel* attempts() const { return attempts_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    RunControl& control_;
    QLabel* attempts_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
