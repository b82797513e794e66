#pragma once
// Where boards and their titles go on a printed page: a margin all round, the boards in a grid of
// equal slots, each slot a title line over the largest square that fits under it, the two centred
// in the slot. Sizes are in
// the paint device's pixels, so one layout serves a printer, a PDF and an image alike.

#include <optional>
#include <vector>

#include "shell/PictureShapes.h"

inline constexpr int kA4WidthMillimetres = 210;
inline constexpr int kA4HeightMillimetres = 297;
// Paper is white whatever the window's background.
inline constexpr Colour kPaperColour = 0xFFFFFF;
// Solutions are small: a reader only checks them.
inline constexpr int kSolutionsPerPage = 12;

struct PageGrid {
    int columns = 1;
    int rows = 1;
};

// The boards-per-page counts a sheet offers (1, 2, 4, 6) and the solutions' 12, as a grid of
// columns x rows; nothing for any other count.
std::optional<PageGrid> GridForBoardsPerPage(int perPage);

struct PrintSlot {
    PixelRect title;
    PixelRect board;
};

// The slots of one page of width x height pixels at dotsPerInch, in reading order. Slots are
// empty squares when the page is too small to hold them.
std::vector<PrintSlot> LayoutPage(int width, int height, int dotsPerInch, PageGrid grid);

int MillimetresToPixels(int millimetres, int dotsPerInch);

// The pages count items take at perPage a page; 0 for none.
int PagesFor(int count, int perPage);
