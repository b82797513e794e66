#include "ui/CRaruduzView.h"

#include <QKeyEvent>
#include <QResizeEvent>

CRaruduzView::CRaruduzView(QWidget* parent) : QScrollArea(parent) {
    setAccessibleName("Board");
    setWidget(new QWidget);
    setWidgetResizable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CRaruduzView::SetZoom(int ratio) {
    zoom_ = ratio;
    UpdateExtent();
}

void CRaruduzView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    UpdateExtent();
}

void CRaruduzView::UpdateExtent() {
    const QSize visible = viewport()->size();
    // Below 100 % the board shrinks inside the visible area, which then does not scroll.
    const int ratio = std::max(zoom_, 100);
    widget()->resize(visible.width() * ratio / 100, visible.height() * ratio / 100);
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
    QScrollArea::keyPressEvent(event);
}
