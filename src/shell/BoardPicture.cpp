#include "shell/BoardPicture.h"

namespace {
constexpr int kValueFontWeight = 600;
constexpr int kMarkFontWeight = 400;
constexpr int kStrikePenWidth = 2;
constexpr int kEliminationPenWidth = 3;
constexpr int kChainPenWidth = 2;

FontSpec ValueFont(int cellSize) {
    return {kBoardFontFace, cellSize * 9 / 10, cellSize * 8 / 10, kValueFontWeight};
}

FontSpec MarkFont(int cellSize, int blockSize) {
    const int side = cellSize / (blockSize + 1);
    return {kBoardFontFace, side, side, kMarkFontWeight};
}

PixelRect Inset(PixelRect rect, int offset, int side) {
    return {rect.left + offset, rect.top + offset, side, side};
}

// The square in which a candidate's mark sits, and around which a chain circles it.
PixelRect MarkSquare(const BoardGeometry& geometry, MarkedCandidate candidate) {
    const PixelPoint anchor =
        MarkAnchor(geometry, candidate.cell.column, candidate.cell.row, candidate.value);
    const int side = geometry.CellSize() / geometry.BlockSize() - 2 * (geometry.CellSize() / 40);
    return {anchor.x, anchor.y, side, side};
}

PixelPoint Centre(PixelRect rect) {
    return {rect.left + rect.width / 2, rect.top + rect.height / 2};
}

bool OnBoard(CellPosition cell, int size) {
    return cell.column >= 0 && cell.column < size && cell.row >= 0 && cell.row < size;
}

bool OnBoard(MarkedCandidate candidate, int size) {
    return OnBoard(candidate.cell, size) && candidate.value >= 1 && candidate.value <= size;
}
}  // namespace

char SymbolText(int viewMode, int value, std::string_view letters) {
    if (value < 1 || value > kMaxSize) return '.';
    if (viewMode != 1) return kValueSymbols[value];
    return static_cast<std::size_t>(value) <= letters.size() ? letters[value - 1] : '.';
}

PixelPoint MarkAnchor(const BoardGeometry& geometry, int column, int row, int value) {
    const int size = geometry.CellSize();
    const int block = geometry.BlockSize();
    const int index = value - 1;
    const PixelRect cell = geometry.CellRect(column, row);
    return {cell.left + 3 + (index % block) * (size - block) / block + size / 40,
            cell.top + 3 + (index / block) * (size - block) / block + size / 40};
}

void BoardPicture::Build(const BoardData& board, const ViewSettings& settings,
                         const BoardViewState& state, const BoardGeometry& geometry) {
    geometry_ = geometry;
    shapes_.clear();
    shapes_.push_back(FillShape{geometry_.ContentRect(), settings.useDefaultBkgColor == 1
                                                             ? state.defaultBackground
                                                             : settings.backgroundColour});
    if (geometry_.CellSize() == 0 || geometry_.BoardSize() != board.size) return;

    DrawTiles(board, settings);
    DrawValues(board, settings, state);
    DrawPencilMarks(board, settings, state);
    if (state.forPrinter) return;
    if (!state.hintShown)
        DrawDoubleFrame(state.selected,
                        state.entryMode == SetMode ? settings.cluesColour : settings.givensColour);
    else if (state.hint != nullptr)
        DrawHintMarks(*state.hint);
}

void BoardPicture::DrawTiles(const BoardData& board, const ViewSettings& settings) {
    const int size = geometry_.CellSize();
    const int block = geometry_.BlockSize();
    for (int row = 0; row < board.size; ++row)
        for (int column = 0; column < board.size; ++column) {
            const PixelRect cell = geometry_.CellRect(column, row);
            shapes_.push_back(BevelShape{Inset(cell, 0, size - 1), kBevelLight, kBevelDark});
            shapes_.push_back(
                BevelShape{Inset(cell, 1, size - 3), kInnerBevelLight, kInnerBevelDark});
            const bool sameParity = (column / block) % 2 == (row / block) % 2;
            shapes_.push_back(FillShape{Inset(cell, 3, size - 7), sameParity
                                                                      ? settings.blockColour
                                                                      : settings.blockAltColour});
        }
}

void BoardPicture::DrawValues(const BoardData& board, const ViewSettings& settings,
                              const BoardViewState& state) {
    const int size = geometry_.CellSize();
    const FontSpec font = ValueFont(size);
    const bool showMistakes = settings.showMistakes == 1 || state.mistakesShown;
    for (int row = 0; row < board.size; ++row)
        for (int column = 0; column < board.size; ++column) {
            const BoardCell& cell = board.Cell(column, row);
            if (cell.IsEmpty()) continue;
            const PixelRect square = geometry_.CellRect(column, row);
            const PixelRect fill = Inset(square, 2, size - 6);
            // The highlight comes second so that it covers a mistake's fill.
            if (showMistakes && cell.type == Mistake)
                shapes_.push_back(FillShape{fill, settings.mistakesColour});
            if (cell.value == state.highlightedValue)
                shapes_.push_back(FillShape{fill, settings.highLightColour});
            shapes_.push_back(
                TextShape{square, TextAlignment::CentredOnAscent, font,
                          cell.type == Clue ? settings.cluesColour : settings.givensColour,
                          SymbolText(settings.viewMode, cell.value, state.letters)});
        }
}

void BoardPicture::DrawPencilMarks(const BoardData& board, const ViewSettings& settings,
                                   const BoardViewState& state) {
    if (settings.showHelper != 1) return;
    if (state.entryMode == SetMode && settings.showPencilMarksSetMode != 1) return;
    const int block = geometry_.BlockSize();
    const FontSpec font = MarkFont(geometry_.CellSize(), block);
    const HintMarks* hint = state.hintShown ? state.hint : nullptr;
    for (int row = 0; row < board.size; ++row)
        for (int column = 0; column < board.size; ++column) {
            const BoardCell& cell = board.Cell(column, row);
            if (!cell.IsEmpty()) continue;
            const bool alternate =
                settings.alternateColour == 1 && (column / block + row / block) % 2 == 1;
            const Colour colour = alternate ? settings.markAltColour : settings.markColour;
            const std::uint32_t removed =
                hint != nullptr ? hint->removed[CellIndex(column, row)] : 0u;
            for (int value = 1; value <= board.size; ++value) {
                const bool present = (cell.candidates & bitOf(value)) != 0;
                const bool struck = !present && (removed & bitOf(value)) != 0;
                if (!present && !struck) continue;
                const PixelPoint anchor = MarkAnchor(geometry_, column, row, value);
                shapes_.push_back(TextShape{{anchor.x, anchor.y, font.averageWidth, font.height},
                                            TextAlignment::TopLeft,
                                            font,
                                            colour,
                                            SymbolText(settings.viewMode, value, state.letters)});
                if (struck)
                    shapes_.push_back(LineShape{{anchor.x, anchor.y + font.height},
                                                {anchor.x + font.averageWidth, anchor.y},
                                                kStrikePenWidth,
                                                kStrikeColour});
            }
        }
}

void BoardPicture::DrawDoubleFrame(CellPosition cell, Colour colour) {
    if (!OnBoard(cell, geometry_.BoardSize())) return;
    const int size = geometry_.CellSize();
    const PixelRect square = geometry_.CellRect(cell.column, cell.row);
    shapes_.push_back(OutlineShape{Inset(square, 3, size - 7), 1, colour});
    shapes_.push_back(OutlineShape{Inset(square, 4, size - 9), 1, colour});
}

void BoardPicture::DrawHintMarks(const HintMarks& hint) {
    const int size = geometry_.BoardSize();
    const int cellSize = geometry_.CellSize();
    const PixelRect board = geometry_.BoardRect();
    for (const HintFrame& frame : hint.frames) DrawDoubleFrame(frame.cell, frame.colour);
    for (int column : hint.eliminationColumns) {
        if (column < 0 || column >= size) continue;
        const int x = geometry_.CellRect(column, 0).left + cellSize / 2;
        shapes_.push_back(LineShape{
            {x, board.top}, {x, board.Bottom()}, kEliminationPenWidth, kEliminationColour});
    }
    for (int row : hint.eliminationRows) {
        if (row < 0 || row >= size) continue;
        const int y = geometry_.CellRect(0, row).top + cellSize / 2;
        shapes_.push_back(LineShape{
            {board.left, y}, {board.Right(), y}, kEliminationPenWidth, kEliminationColour});
    }
    for (const ChainLink& link : hint.chainLinks) {
        if (!OnBoard(link.from, size) || !OnBoard(link.to, size)) continue;
        shapes_.push_back(LineShape{Centre(MarkSquare(geometry_, link.from)),
                                    Centre(MarkSquare(geometry_, link.to)), kChainPenWidth,
                                    link.colour});
    }
    for (const CircledCandidate& circle : hint.circles) {
        if (!OnBoard(circle.candidate, size)) continue;
        shapes_.push_back(
            EllipseShape{MarkSquare(geometry_, circle.candidate), kChainPenWidth, circle.colour});
    }
}
