#include "ui/PuzzleRecordListModel.h"

#include <QFontMetrics>
#include <algorithm>

#include "engine/BoardLevel.h"
#include "ui/BoardText.h"

namespace {
constexpr const char* kColumns[] = {" Id ", " Board Name ", " Board Description ", " Board Level "};
}  // namespace

void PuzzleRecordListModel::SetRecords(const std::vector<PuzzleRecord>* records) {
    beginResetModel();
    records_ = records;
    endResetModel();
}

int PuzzleRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !records_ ? 0 : static_cast<int>(records_->size());
}

int PuzzleRecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QString PuzzleRecordListModel::Text(int row, int column) const {
    const PuzzleRecord& record = (*records_)[static_cast<std::size_t>(row)];
    switch (column) {
        case 0:
            return QString::number(row + 1);
        case 1:
            return FromBoardText(record.name);
        case 2:
            return FromBoardText(record.description);
        default:
            return QString(LevelName(record.level));
    }
}

QVariant PuzzleRecordListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return Text(index.row(), index.column());
}

QVariant PuzzleRecordListModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return QString(kColumns[section]);
}

int PuzzleRecordListModel::WidestText(int column, const QFontMetrics& metrics) const {
    int widest = 0;
    for (int row = 0; row < rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(Text(row, column)));
    return widest;
}
