#pragma once
// "Multi-Solutions Board": the solutions that the exhaustive solve found for a board with more
// than one, each as one line of values with a chosen separator between board rows.

#include <QDialog>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class SudokuBoard;

class MultiSolutionsDialog : public QDialog {
    Q_OBJECT
public:
    // Takes what it lists from board at once: the board may change while the dialog is open.
    MultiSolutionsDialog(const SudokuBoard& board, QWidget* parent);

    QLabel* heading;
    QLineEdit* count;
    QLabel* shownLine;
    QTreeWidget* list;
    QComboBox* separator;
    QPushButton* exit;

private:
    void FillList();

    // The solutions' lines with each separator.
    std::array<QStringList, 3> listings_;
};
