#pragma once
// The pages of a puzzle sheet: the boards perPage to a page, then, when asked, their solutions
// 12 to a page. Drawn with the default view settings in set mode, so no pencil marks.

#include <vector>

#include "shell/PuzzleSheet.h"
#include "ui/BoardPrinter.h"

class SheetPages : public PrintPages {
public:
    // perPage is one of the counts GridForBoardsPerPage knows.
    SheetPages(const std::vector<SheetBoard>& boards, int perPage, bool solutions);

    int PageCount() const override;
    void PaintPage(QPainter& painter, int page, QSize size, int dotsPerInch) const override;

private:
    const std::vector<SheetBoard>& boards_;
    int perPage_;
    bool solutions_;
    ViewSettings settings_;
};
