#include "shell/BoardGeometry.h"

#include <algorithm>

namespace {
// Far beyond any screen, and small enough that a size times the largest zoom stays an int.
constexpr int kLargestClientSide = 1 << 20;

int ClampClientSide(int side) {
    return std::clamp(side, 0, kLargestClientSide);
}

// Division rounding towards minus infinity: a point left of or above the board must not land in
// the first column or row.
int FloorDivide(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    return quotient * denominator > numerator ? quotient - 1 : quotient;
}

int ScrollAxisToShow(int cellStart, int cellSize, int scroll, int clientSide, int extent) {
    if (cellStart < scroll)
        scroll = cellStart;
    else if (cellStart + cellSize > scroll + clientSide)
        scroll = cellStart + cellSize - clientSide;
    return std::clamp(scroll, 0, std::max(0, extent - clientSide));
}
}  // namespace

BoardGeometry::BoardGeometry(int clientWidth, int clientHeight, int boardSize, int zoomRatio)
    : clientWidth_(ClampClientSide(clientWidth)),
      clientHeight_(ClampClientSide(clientHeight)),
      boardSize_(boardSize == 16 ? 16 : 9),
      zoomRatio_(std::clamp(zoomRatio, kMinZoomRatio, kMaxZoomRatio)) {
    const int fitting =
        std::min((clientWidth_ - 8) / boardSize_, (clientHeight_ - kMargin - 4) / boardSize_);
    cellSize_ = std::max(0, zoomRatio_ * fitting / 100);
}

PixelRect BoardGeometry::ContentRect() const {
    return {0, 0, std::max(clientWidth_, ExtentWidth()), std::max(clientHeight_, ExtentHeight())};
}

PixelRect BoardGeometry::CellRect(int column, int row) const {
    return {kLeftEdge + column * cellSize_, kMargin + row * cellSize_, cellSize_, cellSize_};
}

PixelRect BoardGeometry::BoardRect() const {
    const int side = boardSize_ * cellSize_;
    return {kLeftEdge, kMargin, side, side};
}

std::optional<CellPosition> BoardGeometry::CellAt(PixelPoint client, PixelPoint scroll) const {
    if (cellSize_ == 0) return std::nullopt;
    const int column = FloorDivide(scroll.x + client.x - kLeftEdge, cellSize_);
    const int row = FloorDivide(scroll.y + client.y - kMargin, cellSize_);
    if (column < 0 || column >= boardSize_ || row < 0 || row >= boardSize_) return std::nullopt;
    return CellPosition{column, row};
}

PixelRect BoardGeometry::RepaintRect(int column, int row, PixelPoint scroll) const {
    PixelRect rect = CellRect(column, row);
    rect.left -= scroll.x;
    rect.top -= scroll.y;
    return rect;
}

PixelPoint BoardGeometry::ScrollToShow(int column, int row, PixelPoint scroll) const {
    return ScrollToShow(column, row, scroll, {clientWidth_, clientHeight_});
}

PixelPoint BoardGeometry::ScrollToShow(int column, int row, PixelPoint scroll,
                                       PixelPoint visible) const {
    const PixelRect cell = CellRect(column, row);
    return {ScrollAxisToShow(cell.left, cellSize_, scroll.x, visible.x, ExtentWidth()),
            ScrollAxisToShow(cell.top, cellSize_, scroll.y, visible.y, ExtentHeight())};
}
