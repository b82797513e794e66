#pragma once
// "Raruduz Options": six tabs of colours, display flags, the Wordoku set-up and the loading
// options, over a copy of the options. Each editing control is named after the value it edits
// (its objectName), so that the copy is read back from the controls in one place.

#include <QDialog>

#include "shell/BoardOptions.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ColourButton;
class Platform;

class BoardOptionsDialog : public QDialog {
    Q_OBJECT
public:
    BoardOptionsDialog(Platform& platform, const BoardOptions& options, QWidget* parent = nullptr);

    // The options as the controls show them.
    BoardOptions options() const;

    QTabWidget* tabs() const { return tabs_; }
    QPushButton* resetButton() const { return reset_; }
    QPushButton* browseButton() const { return browse_; }

private:
    QWidget* BuildColoursPage();
    QWidget* BuildMarksPage();
    QWidget* BuildSetupPage();
    QWidget* BuildSolvingPage();
    QWidget* BuildWordokuPage();
    QWidget* BuildFilesPage();
    ColourButton* AddColour(QFormLayout* form, const char* label, const char* name,
                            std::uint32_t automatic);
    QCheckBox* AddFlag(QFormLayout* form, const char* text, const char* name);
    void Show(const BoardOptions& options);
    // Lets the user pick the words file; a cancelled chooser keeps the path.
    void Browse();
    void ChooseRandomWord();
    // Only the chosen location kind's list is live and shows the number; the others show "None".
    void ShowLocationLists();

    Platform& platform_;
    // What the dialog carries without editing it, and the location number the lists may not
    // be able to show.
    BoardOptions carried_;
    QTabWidget* tabs_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLineEdit* wordListPath_ = nullptr;
    QButtonGroup* assignment_ = nullptr;
    QButtonGroup* location_ = nullptr;
    QComboBox* locationLists_[3] = {};
};
