#include "ui/CRaruduzView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "shell/CellDescription.h"
#include "shell/DocumentViewState.h"
#include "ui/PictureReplay.h"

namespace {
// Arrow keys and the wheel scroll by a fraction of a page, not by a pixel.
constexpr int kScrollStep = 20;

QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}
}  // namespace

CRaruduzView::CRaruduzView(const CRaruduzDoc& document, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(document) {
    setAccessibleName("Board");
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->setSingleStep(kScrollStep);
    UpdateDescription();
}

BoardGeometry CRaruduzView::Geometry() const {
    const QSize client = maximumViewportSize();
    return BoardGeometry(client.width(), client.height(), doc_.board().size, zoom_);
}

PixelPoint CRaruduzView::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

CellPosition CRaruduzView::Selected() const {
    return {doc_.view.selectedX, doc_.view.selectedY};
}

QRect CRaruduzView::SelectedCellOnScreen() const {
    const CellPosition cell = Selected();
    const QRect client = ToQRect(Geometry().RepaintRect(cell.column, cell.row, ScrollPosition()));
    return client.translated(viewport()->mapToGlobal(QPoint(0, 0)));
}

void CRaruduzView::SetZoom(int ratio) {
    zoom_ = ratio;
    UpdateScrollRanges();
    viewport()->update();
}

void CRaruduzView::BoardChanged() {
    viewport()->update();
    UpdateDescription();
}

void CRaruduzView::SelectionMoved(CellPosition previous) {
    const CellPosition selected = Selected();
    const PixelPoint wanted =
        Geometry().ScrollToShow(selected.column, selected.row, ScrollPosition(),
                                {viewport()->width(), viewport()->height()});
    horizontalScrollBar()->setValue(wanted.x);
    verticalScrollBar()->setValue(wanted.y);
    RepaintCell(previous);
    RepaintCell(selected);
    UpdateDescription();
}

void CRaruduzView::RepaintCell(CellPosition cell) {
    viewport()->update(ToQRect(Geometry().RepaintRect(cell.column, cell.row, ScrollPosition())));
}

void CRaruduzView::UpdateDescription() {
    // Setting the description tells a screen reader of the change: only a real change is told.
    const QString description = QString::fromStdString(SelectedCellDescription(doc_));
    if (description != accessibleDescription()) setAccessibleDescription(description);
}

void CRaruduzView::UpdateScrollRanges() {
    const PixelRect content = Geometry().ContentRect();
    // Measured against the current viewport alone, bars left by a larger zoom would keep
    // themselves: the board that fits without them does not need them.
    const QSize whole = maximumViewportSize();
    const bool fitsWhole = content.width <= whole.width() && content.height <= whole.height();
    const QSize visible = fitsWhole ? whole : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width - visible.width()));
    horizontalScrollBar()->setPageStep(visible.width());
    verticalScrollBar()->setRange(0, std::max(0, content.height - visible.height()));
    verticalScrollBar()->setPageStep(visible.height());
}

void CRaruduzView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QColor window = palette().color(QPalette::Window);
    picture_.Build(doc_.board(), doc_.settings,
                   ViewStateOf(doc_, MakeColour(window.red(), window.green(), window.blue())),
                   Geometry());
    const PixelPoint scroll = ScrollPosition();
    painter.translate(-scroll.x, -scroll.y);
    PaintPicture(painter, picture_.Shapes());
}

// Receives the viewport's resizes, scroll bars coming and going included.
void CRaruduzView::resizeEvent(QResizeEvent*) {
    UpdateScrollRanges();
}

void CRaruduzView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy);
}

std::optional<CellPosition> CRaruduzView::CellUnder(QPoint client) const {
    return Geometry().CellAt({client.x(), client.y()}, ScrollPosition());
}

void CRaruduzView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    const std::optional<CellPosition> cell = CellUnder(event->position().toPoint());
    emit rightPressed(cell ? cell->column : -1, cell ? cell->row : -1);
}

void CRaruduzView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::optional<CellPosition> cell = CellUnder(event->position().toPoint());
    emit leftReleased(cell ? cell->column : -1, cell ? cell->row : -1);
}

// Tab moves the selection on the board instead of the focus.
bool CRaruduzView::focusNextPrevChild(bool) {
    return false;
}

void CRaruduzView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Tab:
            emit selectionKeyPressed(SelectionKey::Tab);
            return;
        case Qt::Key_Left:
            emit selectionKeyPressed(SelectionKey::Left);
            return;
        case Qt::Key_Up:
            emit selectionKeyPressed(SelectionKey::Up);
            return;
        case Qt::Key_Right:
            emit selectionKeyPressed(SelectionKey::Right);
            return;
        case Qt::Key_Down:
            emit selectionKeyPressed(SelectionKey::Down);
            return;
        case Qt::Key_Menu:
            emit candidatePopupRequested();
            return;
        case Qt::Key_F10:
            if (event->modifiers() & Qt::ShiftModifier) {
                emit candidatePopupRequested();
                return;
            }
            break;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            emit deletePressed();
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() > 32 && text[0].unicode() < 127) {
        emit characterTyped(static_cast<char>(text[0].unicode()));
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}
