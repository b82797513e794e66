#pragma once
// The board view's picture: every shape of one paint, in drawing order, from the board, the view
// settings and the view's state. The view replays it with its painter; tests read it directly.

#include <string_view>
#include <vector>

#include "engine/BoardTypes.h"
#include "engine/SudokuBoard.h"
#include "shell/BoardGeometry.h"
#include "shell/HintMarks.h"
#include "shell/PictureShapes.h"
#include "shell/ViewSettings.h"

inline constexpr std::string_view kBoardFontFace = "Courier New";

// Fixed colours of the cell tiles.
inline constexpr Colour kBevelLight = 0xE0E0E0;
inline constexpr Colour kBevelDark = 0x808080;
inline constexpr Colour kInnerBevelLight = 0xFFFFFF;
inline constexpr Colour kInnerBevelDark = 0xC0C0C0;
inline constexpr Colour kStrikeColour = 0x0000FF;  // red

// What the view knows beside the board and the settings.
struct BoardViewState {
    int entryMode = SetMode;
    CellPosition selected;
    int highlightedValue = 0;    // 0 none
    bool mistakesShown = false;  // the Show Mistakes menu switch
    bool hintShown = false;
    const HintMarks* hint = nullptr;  // the last Hint's marks, read while hintShown is set
    std::string_view letters;         // Wordoku display: character k - 1 stands for value k
    bool forPrinter = false;          // a printout shows neither the selection nor hint marks
    Colour defaultBackground = 0;     // the main window's own background colour
};

// The symbol drawn for a value: "1".."9", "A".."G" in Sudoku display (viewMode 0), the value's
// letter in Wordoku display; "." for an empty value or a letter the table lacks.
char SymbolText(int viewMode, int value, std::string_view letters);

// The top-left corner of candidate `value`'s place in a cell: B places per line, B the block size.
PixelPoint MarkAnchor(const BoardGeometry& geometry, int column, int row, int value);

class BoardPicture {
public:
    // Replaces the shapes with those of one paint. Nothing but the background is drawn when the
    // cell size is 0 or the geometry was made for another board size.
    void Build(const BoardData& board, const ViewSettings& settings, const BoardViewState& state,
               const BoardGeometry& geometry);
    const std::vector<Shape>& Shapes() const { return shapes_; }

private:
    void DrawTiles(const BoardData& board, const ViewSettings& settings);
    void DrawValues(const BoardData& board, const ViewSettings& settings,
                    const BoardViewState& state);
    void DrawPencilMarks(const BoardData& board, const ViewSettings& settings,
                         const BoardViewState& state);
    void DrawDoubleFrame(CellPosition cell, Colour colour);
    void DrawHintMarks(const HintMarks& hint);

    BoardGeometry geometry_;
    std::vector<Shape> shapes_;
};
