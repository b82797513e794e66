#pragma once
// The load dialog's list of the boards of the puzzle data file: Id, name, description and level.
// Texts are made only for the rows on screen, so a file of tens of thousands of boards fills the
// list at once.

#include <QAbstractTableModel>
#include <vector>

#include "files/PuzzleRecord.h"

class QFontMetrics;

class PuzzleRecordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // records stays owned by the caller and must outlive the model or the next SetRecords.
    void SetRecords(const std::vector<PuzzleRecord>* records);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The width of the widest text of the column in metrics' font, or a little more.
    int WidestText(int column, const QFontMetrics& metrics) const;

private:
    QString Text(int row, int column) const;

    const std::vector<PuzzleRecord>* records_ = nullptr;
};
