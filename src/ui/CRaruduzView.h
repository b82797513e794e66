#pragma once
// The scrolling board view: paints the document's board picture and turns clicks and keys into
// signals for the main window. At zoom 100 % the board fits the visible area; a larger ratio
// makes the content that many percent of it, and the view scrolls. It asks the document for
// everything it shows and decides nothing itself.

#include <QAbstractScrollArea>
#include <optional>

#include "shell/BoardGeometry.h"
#include "shell/BoardInput.h"
#include "shell/BoardPicture.h"
#include "shell/RaruduzDoc.h"

class CRaruduzView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CRaruduzView(const CRaruduzDoc& document, QWidget* parent = nullptr);

    void SetZoom(int ratio);
    int zoom() const { return zoom_; }
    // Where the cells are now: the client size leaves out the scroll bars, so that the board
    // keeps its size when they come and go.
    BoardGeometry Geometry() const;
    PixelPoint ScrollPosition() const;
    // The selected cell's square on the screen.
    QRect SelectedCellOnScreen() const;

    // The whole board changed: repaint it and describe the selected cell again.
    void BoardChanged();
    // The selection moved away from `previous`: repaint the two cells, scroll the new one into
    // view and describe it.
    void SelectionMoved(CellPosition previous);

signals:
    void selectionKeyPressed(SelectionKey key);
    void deletePressed();
    void characterTyped(char c);
    // The menu key (or Shift+F10): the candidate popup of the selected cell.
    void candidatePopupRequested();
    // column and row are -1 outside the board.
    void leftReleased(int column, int row);
    void rightPressed(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void UpdateScrollRanges();
    void UpdateDescription();
    void RepaintCell(CellPosition cell);
    CellPosition Selected() const;
    std::optional<CellPosition> CellUnder(QPoint client) const;

    const CRaruduzDoc& doc_;
    int zoom_ = 100;
    BoardPicture picture_;
};
