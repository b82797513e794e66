#include "ui/BoardPrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/PictureReplay.h"

namespace {
constexpr char kTitleFontFace[] = "Arial";

void PaintTitle(QPainter& painter, const PixelRect& rect, const std::string& title) {
    if (rect.width <= 0 || rect.height <= 0) return;
    QFont font(kTitleFontFace);
    font.setStyleHint(QFont::SansSerif);
    const int height = std::max(1, rect.height * 3 / 4);
    font.setPixelSize(height);
    const QString full = QString::fromStdString(title);
    // A long title gets a smaller font first; only one too long for that loses its end.
    const int width = QFontMetrics(font).horizontalAdvance(full);
    if (width > rect.width) font.setPixelSize(std::max(height / 2, height * rect.width / width));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect box(rect.left, rect.top, rect.width, rect.height);
    const QString text = QFontMetrics(font).elidedText(full, Qt::ElideRight, rect.width);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine, text);
}
}  // namespace

void PaintTitledBoard(QPainter& painter, const PrintSlot& slot, const BoardData& board,
                      const ViewSettings& settings, BoardViewState state,
                      const std::string& title) {
    state.forPrinter = true;
    state.hintShown = false;
    state.hint = nullptr;
    PaintTitle(painter, slot.title, title);
    // The view's geometry over a client area the size of the square: the same cell size rule,
    // margins and fonts as on screen.
    const BoardGeometry geometry(slot.board.width, slot.board.height, board.size, 100);
    BoardPicture picture;
    picture.Build(board, settings, state, geometry);
    painter.save();
    painter.translate(slot.board.left, slot.board.top);
    PaintPicture(painter, picture.Shapes());
    painter.restore();
}

void SingleBoardPage::PaintPage(QPainter& painter, int, QSize size, int dotsPerInch) const {
    const std::vector<PrintSlot> places =
        LayoutPage(size.width(), size.height(), dotsPerInch, PageGrid{1, 1});
    PaintTitledBoard(painter, places.front(), board_, settings_, state_, title_);
}
