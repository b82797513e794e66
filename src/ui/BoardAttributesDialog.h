#pragma once
// "View Board Attributes": the attributes of one record of the puzzle data file.

#include <QDialog>

#include "files/PuzzleRecord.h"

class QTreeWidget;

class BoardAttributesDialog : public QDialog {
    Q_OBJECT
public:
    BoardAttributesDialog(const PuzzleRecord& record, QWidget* parent);

    QTreeWidget* list;
};
