#pragma once
// Where the board view puts each cell: the cell size from the view's client size, the board size
// and the zoom ratio, the scrolling extent, and the way back from a point to a cell.
//
// Content coordinates are the view's client coordinates plus the scroll position.

#include <optional>

#include "shell/PictureShapes.h"

struct CellPosition {
    int column = 0;
    int row = 0;
    bool operator==(const CellPosition&) const = default;
};

class BoardGeometry {
public:
    // The board's left edge, and the space above its first row.
    static constexpr int kLeftEdge = 4;
    static constexpr int kMargin = 4;
    static constexpr int kMinZoomRatio = 50;
    static constexpr int kMaxZoomRatio = 400;

    BoardGeometry() = default;
    // boardSize 9 or 16 (anything else is taken as 9); a zoom ratio outside 50..400 is brought
    // to the nearer bound; a negative client size counts as 0.
    BoardGeometry(int clientWidth, int clientHeight, int boardSize, int zoomRatio);

    int BoardSize() const { return boardSize_; }
    int BlockSize() const { return boardSize_ == 16 ? 4 : 3; }
    int ZoomRatio() const { return zoomRatio_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    // 0 when the client area is too small for one pixel per cell: nothing is drawn then.
    int CellSize() const { return cellSize_; }

    // The size of the scrollable content: the client size scaled by the zoom ratio.
    int ExtentWidth() const { return clientWidth_ * zoomRatio_ / 100; }
    int ExtentHeight() const { return clientHeight_ * zoomRatio_ / 100; }
    // Everything the background covers: the client area or the content, whichever is larger.
    PixelRect ContentRect() const;

    // The square of cell (column, row) in content coordinates. 0 <= column, row < BoardSize().
    PixelRect CellRect(int column, int row) const;
    PixelRect BoardRect() const;
    // The cell under a point of the client area scrolled by `scroll`; none outside the board.
    std::optional<CellPosition> CellAt(PixelPoint client, PixelPoint scroll) const;
    // The client-area square to repaint when cell (column, row) changes.
    PixelRect RepaintRect(int column, int row, PixelPoint scroll) const;
    // The scroll position nearest to `scroll` that shows the whole cell, kept between 0 and the
    // extent less the client size.
    PixelPoint ScrollToShow(int column, int row, PixelPoint scroll) const;
    // The same for a visible area smaller than the client area, the scroll bars taking the rest.
    PixelPoint ScrollToShow(int column, int row, PixelPoint scroll, PixelPoint visible) const;

private:
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int boardSize_ = 9;
    int zoomRatio_ = 100;
    int cellSize_ = 0;
};
