#include "ui/SheetPages.h"

#include <QPainter>

SheetPages::SheetPages(const std::vector<SheetBoard>& boards, int perPage, bool solutions)
    : boards_(boards), perPage_(perPage), solutions_(solutions) {}

int SheetPages::PageCount() const {
    const int count = static_cast<int>(boards_.size());
    return PagesFor(count, perPage_) + (solutions_ ? PagesFor(count, kSolutionsPerPage) : 0);
}

void SheetPages::PaintPage(QPainter& painter, int page, QSize size, int dotsPerInch) const {
    const int boardPages = PagesFor(static_cast<int>(boards_.size()), perPage_);
    const bool solutionPage = page >= boardPages;
    const int perPage = solutionPage ? kSolutionsPerPage : perPage_;
    const int first = (solutionPage ? page - boardPages : page) * perPage;
    const std::optional<PageGrid> grid = GridForBoardsPerPage(perPage);
    if (!grid) return;
    const std::vector<PrintSlot> places =
        LayoutPage(size.width(), size.height(), dotsPerInch, *grid);
    BoardViewState state;
    state.entryMode = SetMode;
    state.defaultBackground = kPaperColour;
    for (std::size_t slot = 0; slot < places.size(); ++slot) {
        const std::size_t index = static_cast<std::size_t>(first) + slot;
        if (index >= boards_.size()) break;
        const SheetBoard& board = boards_[index];
        if (solutionPage)
            PaintTitledBoard(painter, places[slot], SolutionBoard(board), settings_, state,
                             SheetSolutionTitle(board));
        else
            PaintTitledBoard(painter, places[slot], board.record, settings_, state,
                             SheetBoardTitle(board));
    }
}
