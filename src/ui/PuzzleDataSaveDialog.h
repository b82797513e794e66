#pragma once
// "Save Board Data to Raruduz File": the board's name, description and level, and "&Save", which
// appends the board to the puzzle data file (and closes) or, for a name already there, asks and
// overwrites that record (and stays open). "&Exit" closes.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "engine/BoardTypes.h"
#include "files/PuzzleRecord.h"
#include "platform/Platform.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class PuzzleDataSaveDialog : public QDialog {
    Q_OBJECT
public:
    // board and records stay the caller's: the fields go into board on "&Save", records follows
    // the file.
    PuzzleDataSaveDialog(Platform& platform, std::filesystem::path file, BoardData& board,
                         std::vector<PuzzleRecord>& records, QWidget* parent);

    // Runs the dialog: true when it wrote the file.
    static bool Run(Platform& platform, const std::filesystem::path& file, BoardData& board,
                    std::vector<PuzzleRecord>& records, QWidget* parent);

    bool saved() const { return saved_; }

    QLineEdit* name;
    QLineEdit* description;
    QComboBox* level;
    QPushButton* save;
    QPushButton* exit;

private:
    void Save();

    Platform& platform_;
    std::filesystem::path file_;
    BoardData& board_;
    std::vector<PuzzleRecord>& records_;
    bool saved_ = false;
};
