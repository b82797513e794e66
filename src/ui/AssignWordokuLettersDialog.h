#pragma once
// "Assign Wordoku Letters": the solution preview, the location and letter rows, the location
// choice and the letters box, over AssignWordokuLettersModel. Constructing it does not show it;
// Ask runs it modally.

#include <QDialog>
#include <array>
#include <optional>

#include "shell/AssignWordokuLettersModel.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class AssignWordokuLettersDialog : public QDialog {
    Q_OBJECT
public:
    AssignWordokuLettersDialog(const SudokuBoard& board, const WordokuOptions& options,
                               Platform& platform, QWidget* parent = nullptr);

    // The letters the user confirmed with OK; nothing when cancelled.
    static std::optional<WordokuAssignment> Ask(const SudokuBoard& board,
                                                const WordokuOptions& options, Platform& platform,
                                                QWidget* parent);

    const AssignWordokuLettersModel& model() const { return model_; }
    QPushButton* previewButton(int x, int y) const { return preview_[y * kMaxSize + x]; }
    QPushButton* locationButton(int j) const { return locationRow_[j]; }
    QPushButton* letterButton(int j) const { return letterRow_[j]; }
    QLineEdit* lettersBox() const { return lettersBox_; }
    // kind: row, column or block.
    QRadioButton* kindButton(int kind) const { return kindButtons_[kind - RowLocation]; }
    QComboBox* locationList(int kind) const { return locationLists_[kind - RowLocation]; }
    QPushButton* digitsButton() const { return digitsButton_; }
    QPushButton* lettersButton() const { return lettersButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* applyButton() const { return applyButton_; }

private:
    QWidget* BuildPreview();
    QWidget* BuildRows();
    QWidget* BuildLocationChoice();
    void LettersEdited(const QString& text);
    // Every widget from the model.
    void Refresh();

    AssignWordokuLettersModel model_;
    std::array<QPushButton*, kMaxSize * kMaxSize> preview_{};
    std::array<QPushButton*, kMaxSize> locationRow_{};
    std::array<QPushButton*, kMaxSize> letterRow_{};
    std::array<QRadioButton*, 3> kindButtons_{};
    std::array<QComboBox*, 3> locationLists_{};
    QLineEdit* lettersBox_ = nullptr;
    QPushButton* digitsButton_ = nullptr;
    QPushButton* lettersButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};
