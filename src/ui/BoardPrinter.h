#pragma once
// Boards on paper: each drawn as the view draws it for a printer, scaled into a square of any
// paint device, with a title above it; and the pages such boards make.

#include <QSize>
#include <string>
#include <utility>

#include "shell/BoardPicture.h"
#include "shell/PrintLayout.h"
#include "shell/ViewSettings.h"

class QPainter;

// state.forPrinter is set here: a printout never shows the selection or a hint.
void PaintTitledBoard(QPainter& painter, const PrintSlot& slot, const BoardData& board,
                      const ViewSettings& settings, BoardViewState state, const std::string& title);

// Something to print, page by page, onto pages of any size.
class PrintPages {
public:
    virtual ~PrintPages() = default;
    virtual int PageCount() const = 0;
    // Paints page 0 <= page < PageCount() onto a blank page of size pixels at dotsPerInch.
    virtual void PaintPage(QPainter& painter, int page, QSize size, int dotsPerInch) const = 0;
};

// One board alone on its page, as the window shows it.
class SingleBoardPage : public PrintPages {
public:
    SingleBoardPage(const BoardData& board, const ViewSettings& settings, BoardViewState state,
                    std::string title)
        : board_(board), settings_(settings), state_(state), title_(std::move(title)) {}

    int PageCount() const override { return 1; }
    void PaintPage(QPainter& painter, int page, QSize size, int dotsPerInch) const override;

private:
    const BoardData& board_;
    const ViewSettings& settings_;
    BoardViewState state_;
    std::string title_;
};
