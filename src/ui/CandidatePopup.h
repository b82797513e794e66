#pragma once
// The small window a cell's candidates are chosen in: "Candidate Selection" enters a value,
// "Removal" toggles one candidate; 3 x 3 buttons for a 9 x 9 board, 4 x 4 for 16 x 16.

#include <QDialog>
#include <optional>

class QPushButton;
class QTabWidget;

class CandidatePopup : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Enter, Toggle };

    // labels: the symbol shown on button k - 1 (digits or Wordoku letters).
    CandidatePopup(int boardSize, const QString& labels, QWidget* parent);

    std::optional<Choice> choice() const { return choice_; }
    int value() const { return value_; }
    QPushButton* button(Choice page, int value) const;
    QTabWidget* pages() const { return pages_; }

private:
    QWidget* BuildPage(Choice page, int boardSize, const QString& labels);

    QTabWidget* pages_;
    std::optional<Choice> choice_;
    int value_ = 0;
};
