#pragma once
// "View Log File": the text of a log file ("SolveLog.txt", "BatchProcData.txt"), read 250 ms
// after the window opened. Only the lines in sight are drawn, so a report of tens of megabytes
// opens at once; selected lines can be copied.

#include <QDialog>
#include <filesystem>

#include "files/LogFileLines.h"

class QListView;
class LineListModel;
class Platform;

class LogViewerDialog : public QDialog {
    Q_OBJECT
public:
    LogViewerDialog(Platform& platform, std::filesystem::path path, QWidget* parent);

    QListView* lines;
    const LogFileLines& text() const { return text_; }

protected:
    // Copy takes every selected line, not only the current one as a list would.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadFile();
    void CopySelection() const;

    Platform& platform_;
    std::filesystem::path path_;
    LogFileLines text_;
    LineListModel* model_;
};
