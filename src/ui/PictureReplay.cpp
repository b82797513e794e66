#include "ui/PictureReplay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <optional>

namespace {
QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

// A board paints thousands of symbols in a handful of fonts: keep the last font's metrics and its
// symbols laid out once, which makes a full repaint several times cheaper than laying out each.
class FontCache {
public:
    const QFontMetrics& Use(QPainter& painter, const FontSpec& asked) {
        if (!asked_ || !(*asked_ == asked)) {
            asked_ = asked;
            font_ = ToQFont(asked);
            metrics_ = QFontMetrics(font_);
            for (std::optional<QStaticText>& symbol : symbols_) symbol.reset();
        }
        painter.setFont(font_);
        return metrics_;
    }
    // The symbol laid out in the font last used.
    const QStaticText& Symbol(char symbol) {
        std::optional<QStaticText>& text = symbols_[static_cast<unsigned char>(symbol)];
        if (!text) {
            text.emplace(QString(QChar(symbol)));
            text->setTextFormat(Qt::PlainText);
            text->setPerformanceHint(QStaticText::AggressiveCaching);
        }
        return *text;
    }

private:
    std::optional<FontSpec> asked_;
    QFont font_;
    QFontMetrics metrics_{QFont()};
    std::array<std::optional<QStaticText>, 256> symbols_;
};

struct Painter {
    QPainter& painter;
    FontCache& fonts;

    void operator()(const FillShape& shape) const {
        painter.fillRect(ToQRect(shape.rect), ToQColor(shape.colour));
    }
    void operator()(const BevelShape& shape) const {
        const PixelRect& r = shape.rect;
        if (r.width <= 0 || r.height <= 0) return;
        const QColor light = ToQColor(shape.light);
        const QColor dark = ToQColor(shape.dark);
        painter.fillRect(QRect(r.left, r.top, r.width, 1), light);
        painter.fillRect(QRect(r.left, r.top, 1, r.height), light);
        painter.fillRect(QRect(r.left, r.Bottom() - 1, r.width, 1), dark);
        painter.fillRect(QRect(r.Right() - 1, r.top, 1, r.height), dark);
    }
    // Four bands, so that the outline stays inside its rectangle for any pen width.
    void operator()(const OutlineShape& shape) const {
        const PixelRect& r = shape.rect;
        const int w = std::min({shape.penWidth, r.width, r.height});
        if (w <= 0) return;
        const QColor colour = ToQColor(shape.colour);
        painter.fillRect(QRect(r.left, r.top, r.width, w), colour);
        painter.fillRect(QRect(r.left, r.Bottom() - w, r.width, w), colour);
        painter.fillRect(QRect(r.left, r.top, w, r.height), colour);
        painter.fillRect(QRect(r.Right() - w, r.top, w, r.height), colour);
    }
    void operator()(const LineShape& shape) const {
        painter.setPen(QPen(ToQColor(shape.colour), shape.penWidth));
        painter.drawLine(shape.from.x, shape.from.y, shape.to.x, shape.to.y);
    }
    void operator()(const EllipseShape& shape) const {
        painter.setPen(QPen(ToQColor(shape.colour), shape.penWidth));
        painter.setBrush(Qt::NoBrush);
        const PixelRect& r = shape.rect;
        painter.drawEllipse(QRect(r.left, r.top, r.width - 1, r.height - 1));
    }
    void operator()(const TextShape& shape) const {
        const QFontMetrics& metrics = fonts.Use(painter, shape.font);
        painter.setPen(ToQColor(shape.colour));
        int left = shape.box.left;
        int top = shape.box.top;
        if (shape.alignment == TextAlignment::CentredOnAscent) {
            left += (shape.box.width - metrics.averageCharWidth()) / 2;
            top += (shape.box.height - metrics.ascent()) / 2;
        }
        painter.drawStaticText(QPoint(left, top), fonts.Symbol(shape.symbol));
    }
};
}  // namespace

QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont ToQFont(const FontSpec& asked) {
    QFont font(QString::fromLatin1(asked.face.data(), static_cast<qsizetype>(asked.face.size())));
    font.setStyleHint(QFont::TypeWriter);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(asked.weight, 100, 900)));
    const int height = std::max(asked.height, 1);
    font.setPixelSize(height);
    const int cellHeight = QFontMetrics(font).height();
    if (cellHeight > height) font.setPixelSize(std::max(1, height * height / cellHeight));
    const int averageWidth = QFontMetrics(font).averageCharWidth();
    if (asked.averageWidth > 0 && averageWidth > 0)
        font.setStretch(std::clamp(100 * asked.averageWidth / averageWidth, 1, 4000));
    return font;
}

void PaintPicture(QPainter& painter, const std::vector<Shape>& shapes) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FontCache fonts;
    const Painter paint{painter, fonts};
    for (const Shape& shape : shapes) std::visit(paint, shape);
    painter.restore();
}
