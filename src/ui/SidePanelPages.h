#pragma once
// The "Board Stat." and "Solve Data" pages of the side-panel tabs; "Hint Data" has a file of its
// own.

#include <QWidget>

#include "files/SolveLog.h"
#include "shell/SidePanels.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class BoardStatPage : public QWidget {
    Q_OBJECT
public:
    BoardStatPage();
    void Show(const BoardStatTexts& texts);

    QLabel* name;
    QLabel* description;
    QLabel* level;
    QProgressBar* scoreBar;
    QLabel* score;
    QLabel* solved;
    QLabel* clues;
    QLabel* givens;
    QLabel* empties;
};

class SolveDataPanel : public QWidget {
    Q_OBJECT
public:
    SolveDataPanel();
    void Show(const SolveDataPage& page);

    QTreeWidget* summary;
    QTreeWidget* steps;
    QPushButton* storeLog;
};
