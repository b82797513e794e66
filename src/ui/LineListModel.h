#pragma once
// A read-only list of text lines made only when a view asks for them, for lists far too long to
// fill item by item (tens of thousands of boards, hundreds of thousands of log lines). Every
// line reports the same size, so a view with uniform item sizes never measures them one by one.

#include <QAbstractListModel>
#include <QSize>
#include <functional>

class QListView;

class LineListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using LineAt = std::function<QString(int row)>;

    explicit LineListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Replaces the lines; lineAt is called for rows 0 .. count - 1.
    void Reset(int count, LineAt lineAt, QSize lineSize);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int count_ = 0;
    LineAt lineAt_;
    QSize lineSize_;
};

// Shows model in view as one long list: uniform item sizes, laid out in batches so that the
// first lines show before the last are placed, several lines selectable, nothing editable.
void ShowLineList(QListView* view, LineListModel* model);
