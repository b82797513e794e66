#pragma once
// "Export Board to Text File": the folder, the file name, the layout and the content to export,
// the exact file content as a preview, and "&Export to File", which asks about the extension and
// an existing file and writes. Opened on the document's board or on any other board.

#include <QDialog>
#include <filesystem>

#include "engine/BoardTypes.h"
#include "files/BoardExport.h"
#include "platform/Platform.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // The board of source is copied: the dialog does not depend on it afterwards.
    ExportDialog(Platform& platform, const ExportSource& source, QWidget* parent);

    // Runs the dialog: true when it wrote the file.
    static bool Run(Platform& platform, const ExportSource& source, QWidget* parent);

    bool written() const { return written_; }

    QLineEdit* exportPath;
    QPushButton* browse;
    QLineEdit* fileName;
    QComboBox* format;
    QRadioButton* cluesOnly;
    QRadioButton* cluesAndGivens;
    QLabel* preview;
    QPushButton* exportToFile;
    QPushButton* cancel;

private:
    void ChooseContent(ExportContent content);
    void RebuildPreview();
    void UpdateExportButton();
    void Browse();
    void Export();

    Platform& platform_;
    BoardData board_;
    ExportSource source_;
    std::filesystem::path folder_;
    ExportContent content_ = CluesOnly;
    std::string previewText_;
    bool written_ = false;
};
