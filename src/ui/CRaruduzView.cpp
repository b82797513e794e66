#include "ui/CRaruduzView.h"

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
