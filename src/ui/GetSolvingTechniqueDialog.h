#pragma once
// The list of techniques in catalogue order from which Jump takes its target.

#include <QDialog>
#include <optional>

class QListWidget;

class GetSolvingTechniqueDialog : public QDialog {
    Q_OBJECT
public:
    GetSolvingTechniqueDialog(int preselected, QWidget* parent);

    // The chosen list index (technique id - 1), or nothing when cancelled.
    static std::optional<int> Choose(int preselected, QWidget* parent);

private:
    QListWidget* list_;
};
