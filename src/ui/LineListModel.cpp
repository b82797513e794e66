#include "ui/LineListModel.h"

#include <QListView>

void LineListModel::Reset(int count, LineAt lineAt, QSize lineSize) {
    beginResetModel();
    count_ = count;
    lineAt_ = std::move(lineAt);
    lineSize_ = lineSize;
    endResetModel();
}

int LineListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count_) return {};
    if (role == Qt::DisplayRole) return lineAt_(index.row());
    if (role == Qt::SizeHintRole) return lineSize_;
    return {};
}

void ShowLineList(QListView* view, LineListModel* model) {
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setLayoutMode(QListView::Batched);
    view->setBatchSize(20000);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}
