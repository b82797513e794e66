#pragma once
// The scrolling board area. At zoom 100 % its content fits the visible area; a larger ratio makes
// the content that many percent of it, and the view scrolls.

#include <QScrollArea>

#include "shell/BoardInput.h"

class CRaruduzView : public QScrollArea {
    Q_OBJECT
public:
    explicit CRaruduzView(QWidget* parent = nullptr);

    void SetZoom(int ratio);
    int zoom() const { return zoom_; }

signals:
    void selectionKeyPressed(SelectionKey key);
    void deletePressed();
    void characterTyped(char c);
    // The menu key (or Shift+F10): the candidate popup of the selected cell.
    void candidatePopupRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void UpdateExtent();
    int zoom_ = 100;
};
