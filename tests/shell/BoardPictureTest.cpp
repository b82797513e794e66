#include "shell/BoardPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestSupport.h"

namespace {
// Every colour different, so a colour taken from the wrong field shows.
ViewSettings DistinctColours() {
    ViewSettings settings;
    settings.backgroundColour = 0x010101;
    settings.blockColour = 0x020202;
    settings.blockAltColour = 0x030303;
    settings.cluesColour = 0x040404;
    settings.givensColour = 0x050505;
    settings.markColour = 0x060606;
    settings.markAltColour = 0x070707;
    settings.mistakesColour = 0x080808;
    settings.highLightColour = 0x090909;
    return settings;
}

constexpr Colour kWindowBackground = 0x0A0A0A;
constexpr char kEmpty9[] =
    ".................................................................................";

struct Painted {
    BoardPicture picture;

    Painted(const BoardData& board, const ViewSettings& settings, const BoardViewState& state,
            int zoom = 100) {
        picture.Build(board, settings, state, BoardGeometry(400, 300, board.size, zoom));
    }

    // What a painter leaves at a point from the fills alone: the last fill covering it.
    Colour FillAt(PixelPoint point) const {
        Colour colour = 0xFFFFFFFF;
        for (const Shape& shape : picture.Shapes())
            if (const auto* fill = std::get_if<FillShape>(&shape);
                fill && fill->rect.Contains(point))
                colour = fill->colour;
        return colour;
    }

    template <typename T>
    std::vector<T> All() const {
        std::vector<T> found;
        for (const Shape& shape : picture.Shapes())
            if (const auto* typed = std::get_if<T>(&shape)) found.push_back(*typed);
        return found;
    }

    std::vector<TextShape> TextsIn(PixelRect area) const {
        std::vector<TextShape> found;
        for (const TextShape& text : All<TextShape>())
            if (area.Contains({text.box.left, text.box.top})) found.push_back(text);
        return found;
    }
};

// At 400 x 300 and 100 % a 9 x 9 cell is 32 pixels: cell (x, y) starts at (4 + 32x, 4 + 32y).
PixelPoint Centre9(int column, int row) {
    return {4 + 32 * column + 16, 4 + 32 * row + 16};
}
PixelRect Cell9(int column, int row) {
    return {4 + 32 * column, 4 + 32 * row, 32, 32};
}

BoardViewState Solving() {
    BoardViewState state;
    state.entryMode = SolveMode;
    state.defaultBackground = kWindowBackground;
    return state;
}

TEST(BoardPicture, ColoursKeepRedInTheLowByte) {
    EXPECT_EQ(RedOf(kChainColourA), 53);
    EXPECT_EQ(GreenOf(kChainColourA), 177);
    EXPECT_EQ(BlueOf(kChainColourA), 77);
    EXPECT_EQ(MakeColour(181, 49, 128), kChainColourB);
    const ViewSettings defaults;
    EXPECT_EQ(BlueOf(defaults.givensColour), 255);
    EXPECT_EQ(RedOf(defaults.mistakesColour), 255);
    EXPECT_EQ(RedOf(kHintFrameColour), 255);
    EXPECT_EQ(GreenOf(kHintFrameColour), 255);
}

TEST(BoardPicture, BackgroundAndTilesAlternateByBlockLikeAChessboard) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kEmpty9);
    const Painted painted(*board, settings, Solving());
    EXPECT_EQ(painted.FillAt({350, 10}), kWindowBackground);
    EXPECT_EQ(painted.FillAt(Centre9(0, 0)), settings.blockColour);
    EXPECT_EQ(painted.FillAt(Centre9(2, 2)), settings.blockColour);
    EXPECT_EQ(painted.FillAt(Centre9(3, 0)), settings.blockAltColour);
    EXPECT_EQ(painted.FillAt(Centre9(0, 5)), settings.blockAltColour);
    EXPECT_EQ(painted.FillAt(Centre9(4, 4)), settings.blockColour);
    EXPECT_EQ(painted.FillAt(Centre9(8, 6)), settings.blockColour);
    EXPECT_EQ(painted.FillAt(Centre9(8, 3)), settings.blockAltColour);
    // Between tiles the bevels show, not the block colour.
    EXPECT_EQ(painted.FillAt({4 + 31, 20}), kWindowBackground);
    // Each tile: an outer and an inner bevel, the fill inside both.
    const auto bevels = painted.All<BevelShape>();
    ASSERT_EQ(bevels.size(), 2u * 81);
    EXPECT_EQ(bevels[0].rect, (PixelRect{4, 4, 31, 31}));
    EXPECT_EQ(bevels[0].light, 0xE0E0E0u);
    EXPECT_EQ(bevels[0].dark, 0x808080u);
    EXPECT_EQ(bevels[1].rect, (PixelRect{5, 5, 29, 29}));
    EXPECT_EQ(bevels[1].light, 0xFFFFFFu);
    EXPECT_EQ(bevels[1].dark, 0xC0C0C0u);

    settings.useDefaultBkgColor = 0;
    EXPECT_EQ(Painted(*board, settings, Solving()).FillAt({350, 10}), settings.backgroundColour);

    // 16 x 16: blocks of four.
    auto board16 = MakeBoard(platform, std::string(256, '.'));
    const Painted painted16(*board16, settings, Solving());
    const auto centre16 = [](int column, int row) {
        return PixelPoint{4 + 18 * column + 9, 4 + 18 * row + 9};
    };
    EXPECT_EQ(painted16.FillAt(centre16(3, 3)), settings.blockColour);
    EXPECT_EQ(painted16.FillAt(centre16(4, 0)), settings.blockAltColour);
    EXPECT_EQ(painted16.FillAt(centre16(4, 4)), settings.blockColour);
    EXPECT_EQ(painted16.FillAt(centre16(15, 11)), settings.blockAltColour);
}

TEST(BoardPicture, ValuesTakeTheClueOrGivenColourInTheValueFont) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->Cell(2, 0) = {4, Given, bitOf(4), 1};
    board->Cell(3, 0) = {5, Mistake, bitOf(5), 1};
    const Painted painted(*board, settings, Solving());

    const auto clue = painted.TextsIn(Cell9(0, 0));
    ASSERT_EQ(clue.size(), 1u);
    EXPECT_EQ(clue[0].symbol, '5');
    EXPECT_EQ(clue[0].colour, settings.cluesColour);
    EXPECT_EQ(clue[0].box, Cell9(0, 0));
    EXPECT_EQ(clue[0].alignment, TextAlignment::CentredOnAscent);
    EXPECT_EQ(clue[0].font, (FontSpec{"Courier New", 28, 25, 600}));
    ASSERT_EQ(painted.TextsIn(Cell9(2, 0)).size(), 1u);
    EXPECT_EQ(painted.TextsIn(Cell9(2, 0))[0].colour, settings.givensColour);
    EXPECT_EQ(painted.TextsIn(Cell9(3, 0))[0].colour, settings.givensColour);

    // Wordoku display draws each value's letter; 16 x 16 values above 9 are letters too.
    ViewSettings wordoku = settings;
    wordoku.viewMode = 1;
    BoardViewState state = Solving();
    state.letters = "CEINMDFOR";
    EXPECT_EQ(Painted(*board, wordoku, state).TextsIn(Cell9(0, 0))[0].symbol, 'M');
    EXPECT_EQ(SymbolText(1, 12, "CEINMDFOR"), '.');
    EXPECT_EQ(SymbolText(0, 12, ""), 'C');
    EXPECT_EQ(SymbolText(0, -1, ""), '.');
}

TEST(BoardPicture, MistakeFillThenHighlightOverIt) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->Cell(2, 0) = {1, Mistake, bitOf(1), 1};
    board->Cell(3, 0) = {6, Given, bitOf(6), 1};
    BoardViewState state = Solving();

    // Shown by the stored option whatever the menu switch says.
    const Painted shown(*board, settings, state);
    EXPECT_EQ(shown.FillAt(Centre9(2, 0)), settings.mistakesColour);
    EXPECT_EQ(shown.FillAt(Centre9(3, 0)), settings.blockAltColour);  // a given, right
    const auto fills = shown.All<FillShape>();
    EXPECT_EQ(std::count_if(fills.begin(), fills.end(),
                            [&](const FillShape& fill) {
                                return fill.colour == settings.mistakesColour &&
                                       fill.rect == PixelRect{2 * 32 + 6, 4 + 2, 26, 26};
                            }),
              1);

    // With the option off the switch decides.
    settings.showMistakes = 0;
    EXPECT_EQ(Painted(*board, settings, state).FillAt(Centre9(2, 0)), settings.blockColour);
    state.mistakesShown = true;
    EXPECT_EQ(Painted(*board, settings, state).FillAt(Centre9(2, 0)), settings.mistakesColour);

    // The highlighted number covers a mistake; every cell holding it is filled.
    state.highlightedValue = 1;
    const Painted highlighted(*board, settings, state);
    EXPECT_EQ(highlighted.FillAt(Centre9(2, 0)), settings.highLightColour);
    EXPECT_EQ(highlighted.FillAt(Centre9(3, 1)), settings.highLightColour);  // clue 1 at r2c4
    EXPECT_EQ(highlighted.FillAt(Centre9(0, 0)), settings.blockColour);
}

TEST(BoardPicture, PencilMarksShowWhileSolvingAndInSetModeOnlyWhenAsked) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardViewState state = Solving();
    state.entryMode = SetMode;
    // r1c3 is empty with candidates 1, 2 and 4.
    const PixelRect cell = Cell9(2, 0);
    EXPECT_TRUE(Painted(*board, settings, state).TextsIn(cell).empty());
    settings.showPencilMarksSetMode = 1;
    EXPECT_EQ(Painted(*board, settings, state).TextsIn(cell).size(), 3u);

    state.entryMode = BruteForceSolvingMode;
    settings.showPencilMarksSetMode = 0;
    EXPECT_EQ(Painted(*board, settings, state).TextsIn(cell).size(), 3u);
    state.entryMode = SolveMode;
    const auto marks = Painted(*board, settings, state).TextsIn(cell);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(std::string({marks[0].symbol, marks[1].symbol, marks[2].symbol}), "124");
    EXPECT_EQ(marks[0].font, (FontSpec{"Courier New", 8, 8, 400}));
    EXPECT_EQ(marks[0].alignment, TextAlignment::TopLeft);
    EXPECT_EQ(marks[0].colour, settings.markColour);

    settings.showHelper = 0;
    EXPECT_TRUE(Painted(*board, settings, state).TextsIn(cell).empty());
}

TEST(BoardPicture, PencilMarksRunBlockSizePerLineAndAlternateColourByBlock) {
    HeadlessPlatform platform;
    const BoardGeometry geometry9(400, 300, 9, 100);
    // S = 32: place i sits (i mod 3) x 29 / 3 pixels right, starting 3 pixels into the cell.
    EXPECT_EQ(MarkAnchor(geometry9, 0, 0, 1), (PixelPoint{7, 7}));
    EXPECT_EQ(MarkAnchor(geometry9, 0, 0, 3), (PixelPoint{26, 7}));
    EXPECT_EQ(MarkAnchor(geometry9, 0, 0, 4), (PixelPoint{7, 16}));
    EXPECT_EQ(MarkAnchor(geometry9, 1, 2, 9), (PixelPoint{36 + 3 + 19, 68 + 3 + 19}));
    // 16 x 16 at 400 %: S = 72, four places per line, spaced 68 / 4 = 17, shifted by 72 / 40.
    const BoardGeometry geometry16(400, 300, 16, 400);
    EXPECT_EQ(MarkAnchor(geometry16, 0, 0, 4), (PixelPoint{4 + 3 + 51 + 1, 4 + 3 + 1}));
    EXPECT_EQ(MarkAnchor(geometry16, 0, 0, 5), (PixelPoint{4 + 3 + 1, 4 + 3 + 17 + 1}));
    EXPECT_EQ(MarkAnchor(geometry16, 0, 0, 16), (PixelPoint{59, 59}));

    ViewSettings settings = DistinctColours();
    settings.alternateColour = 1;
    auto board = MakeBoard(platform, kEmpty9);
    const Painted painted(*board, settings, Solving());
    EXPECT_EQ(painted.TextsIn(Cell9(0, 0)).size(), 9u);
    EXPECT_EQ(painted.TextsIn(Cell9(0, 0))[0].colour, settings.markColour);
    EXPECT_EQ(painted.TextsIn(Cell9(3, 0))[0].colour, settings.markAltColour);
    EXPECT_EQ(painted.TextsIn(Cell9(0, 6))[0].colour, settings.markColour);
    EXPECT_EQ(painted.TextsIn(Cell9(5, 8))[0].colour, settings.markAltColour);
    EXPECT_EQ(painted.TextsIn(Cell9(4, 4))[0].colour, settings.markColour);
}

TEST(BoardPicture, CandidatesRemovedByTheShownHintAreStruckThrough) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    // r1c3 holds 1, 2 and 4; the hint took 1 and 2 away.
    board->Cell(2, 0).candidates = bitOf(4);
    board->Cell(2, 0).candidateNbr = 1;
    HintMarks hint;
    hint.removed[CellIndex(2, 0)] = bitOf(1) | bitOf(2) | bitOf(4);
    BoardViewState state = Solving();
    state.hint = &hint;

    // Without the hint shown the removed candidates are simply gone.
    Painted plain(*board, settings, state);
    EXPECT_EQ(plain.TextsIn(Cell9(2, 0)).size(), 1u);
    EXPECT_TRUE(plain.All<LineShape>().empty());

    state.hintShown = true;
    const Painted painted(*board, settings, state);
    const auto marks = painted.TextsIn(Cell9(2, 0));
    ASSERT_EQ(marks.size(), 3u);
    const auto lines = painted.All<LineShape>();
    ASSERT_EQ(lines.size(), 2u);  // the candidate still set is not struck
    const PixelPoint one = MarkAnchor(BoardGeometry(400, 300, 9, 100), 2, 0, 1);
    EXPECT_EQ(lines[0].from, (PixelPoint{one.x, one.y + 8}));
    EXPECT_EQ(lines[0].to, (PixelPoint{one.x + 8, one.y}));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[0].colour, 0x0000FFu);
    EXPECT_EQ(marks[0].symbol, '1');
    EXPECT_EQ(marks[0].colour, settings.markColour);
}

TEST(BoardPicture, SelectionIsADoubleFrameOnScreenOnly) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardViewState state = Solving();
    state.selected = {1, 2};

    auto outlines = Painted(*board, settings, state).All<OutlineShape>();
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].rect, (PixelRect{32 + 7, 4 + 64 + 3, 25, 25}));
    EXPECT_EQ(outlines[1].rect, (PixelRect{32 + 8, 4 + 64 + 4, 23, 23}));
    EXPECT_EQ(outlines[0].colour, settings.givensColour);
    EXPECT_EQ(outlines[1].colour, settings.givensColour);
    state.entryMode = SetMode;
    outlines = Painted(*board, settings, state).All<OutlineShape>();
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].colour, settings.cluesColour);
    // The frame is drawn last, over the value.
    EXPECT_TRUE(std::holds_alternative<OutlineShape>(
        Painted(*board, settings, state).picture.Shapes().back()));

    state.forPrinter = true;
    EXPECT_TRUE(Painted(*board, settings, state).All<OutlineShape>().empty());
    state.forPrinter = false;
    HintMarks hint;
    state.hint = &hint;
    state.hintShown = true;
    EXPECT_TRUE(Painted(*board, settings, state).All<OutlineShape>().empty());
}

TEST(BoardPicture, HintMarksReplaceTheSelection) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    HintMarks hint;
    hint.frames = {{{2, 0}, kHintFrameColour}, {{5, 5}, kChainColourB}, {{9, 0}, kHintFrameColour}};
    hint.eliminationColumns = {4};
    hint.eliminationRows = {1, 12};
    hint.chainLinks = {{{{2, 0}, 1}, {{2, 1}, 2}, kChainColourA}};
    hint.circles = {{{{2, 0}, 1}, kChainGreen}, {{{2, 0}, 10}, kChainRed}};
    BoardViewState state = Solving();
    state.hint = &hint;
    state.hintShown = true;
    const Painted painted(*board, settings, state);

    // Cells and values off the board are left out.
    const auto outlines = painted.All<OutlineShape>();
    ASSERT_EQ(outlines.size(), 4u);
    EXPECT_EQ(outlines[0].rect, (PixelRect{64 + 7, 4 + 3, 25, 25}));
    EXPECT_EQ(outlines[1].colour, kHintFrameColour);
    EXPECT_EQ(outlines[3].rect, (PixelRect{160 + 8, 160 + 4 + 4, 23, 23}));
    EXPECT_EQ(outlines[3].colour, kChainColourB);

    const auto lines = painted.All<LineShape>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (PixelPoint{4 * 32 + 16 + 4, 4}));
    EXPECT_EQ(lines[0].to, (PixelPoint{4 * 32 + 16 + 4, 4 + 288}));
    EXPECT_EQ(lines[0].penWidth, 3);
    EXPECT_EQ(lines[0].colour, kEliminationColour);
    EXPECT_EQ(lines[1].from, (PixelPoint{4, 4 + 32 + 16}));
    EXPECT_EQ(lines[1].to, (PixelPoint{292, 4 + 32 + 16}));
    // The link joins the centres of the two candidates' squares (10 pixels wide at S = 32).
    const BoardGeometry geometry(400, 300, 9, 100);
    const PixelPoint from = MarkAnchor(geometry, 2, 0, 1);
    const PixelPoint to = MarkAnchor(geometry, 2, 1, 2);
    EXPECT_EQ(lines[2].from, (PixelPoint{from.x + 5, from.y + 5}));
    EXPECT_EQ(lines[2].to, (PixelPoint{to.x + 5, to.y + 5}));
    EXPECT_EQ(lines[2].colour, kChainColourA);

    const auto circles = painted.All<EllipseShape>();
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, (PixelRect{from.x, from.y, 10, 10}));
    EXPECT_EQ(circles[0].penWidth, 2);
    EXPECT_EQ(circles[0].colour, kChainGreen);

    state.forPrinter = true;
    const Painted printed(*board, settings, state);
    EXPECT_TRUE(printed.All<OutlineShape>().empty());
    EXPECT_TRUE(printed.All<LineShape>().empty());
}

TEST(BoardPicture, OnlyTheBackgroundWithoutRoomForCells) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardPicture picture;
    picture.Build(*board, ViewSettings{}, Solving(), BoardGeometry(12, 12, 9, 100));
    EXPECT_EQ(picture.Shapes().size(), 1u);
    // A geometry left over from a board of the other size draws no cells either.
    picture.Build(*board, ViewSettings{}, Solving(), BoardGeometry(400, 300, 16, 100));
    EXPECT_EQ(picture.Shapes().size(), 1u);
}
}  // namespace
