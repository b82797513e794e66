#include "ui/PuzzleRecordListModel.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <string>

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
    if (rowCount() == 0) return 0;
    if (column == 0) return metrics.horizontalAdvance(Text(rowCount() - 1, 0));
    if (column == 3) {
        std::array<bool, kBoardLevelCount> present{};
        for (const PuzzleRecord& record : *records_)
            present[record.level >= 0 && record.level < kBoardLevelCount ? record.level : 0] = true;
        int widest = 0;
        for (int level = 0; level < kBoardLevelCount; ++level)
            if (present[level])
                widest = std::max(widest, metrics.horizontalAdvance(LevelName(level)));
        return widest;
    }
    // Measuring each of tens of thousands of texts whole takes long; the advances of their
    // single characters, added up, are quick and at least as wide but for rounding, as kerning
    // only brings letters closer.
    std::array<int, 256> advance{};
    for (int byte = 0; byte < 256; ++byte)
        advance[byte] =
            metrics.horizontalAdvance(FromBoardText(std::string(1, static_cast<char>(byte))));
    constexpr int kRoundingSlack = 2;
    int widest = 0;
    for (const PuzzleRecord& record : *records_) {
        const std::string& text = column == 1 ? record.name : record.description;
        int width = 0;
        for (char c : text) width += advance[static_cast<unsigned char>(c)];
        widest = std::max(widest, width);
    }
    return widest + kRoundingSlack;
}
