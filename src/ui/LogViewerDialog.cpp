#include "ui/LogViewerDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Platform.h"
#include "ui/LineListModel.h"

namespace {
// The log is written in the single-byte code page of the puzzle files.
QString Latin1(std::string_view line) {
    return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
}
}  // namespace

LogViewerDialog::LogViewerDialog(Platform& platform, std::filesystem::path path, QWidget* parent)
    : QDialog(parent),
      lines(new QListView),
      platform_(platform),
      path_(std::move(path)),
      model_(new LineListModel(this)) {
    setWindowTitle("View Log File");
    ShowLineList(lines, model_);
    lines->setFont(QFont("Courier New", 12));
    lines->installEventFilter(this);
    auto* frame = new QGroupBox(" Board Solving Log ");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(lines);
    auto* exit = new QPushButton("&Exit");
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addWidget(exit, 0, Qt::AlignRight);
    resize(760, 560);
    QTimer::singleShot(250, this, &LogViewerDialog::ReadFile);
}

void LogViewerDialog::ReadFile() {
    BusyCursor busy(platform_);
    const LogReadResult result = text_.Read(path_);
    const QFontMetrics metrics(lines->font());
    const QSize lineSize(metrics.horizontalAdvance('M') * (text_.LongestLine() + 1),
                         metrics.height());
    model_->Reset(
        text_.Count(), [this](int row) { return Latin1(text_.Line(row)); }, lineSize);
    if (result != LogReadResult::Read) platform_.ShowMessage(LogReadMessage(result));
}

void LogViewerDialog::CopySelection() const {
    QModelIndexList selected = lines->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString copied;
    for (const QModelIndex& index : selected) copied += Latin1(text_.Line(index.row())) + '\n';
    QApplication::clipboard()->setText(copied);
}

bool LogViewerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lines && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopySelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
