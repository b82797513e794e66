#include "shell/BoardPicture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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

BoardViewState Solving() {
    BoardViewState state;
    state.entryMode = SolveMode;
    state.defaultBackground = kWindowBackground;
    return state;
}

// One paint in a 400 x 300 view at 100 %: a 9 x 9 cell is 32 pixels, cell (x, y) starting at
// (4 + 32x, 4 + 32y); a 16 x 16 cell is 18 pixels.
struct Painted {
    BoardPicture picture;

    Painted(const BoardData& board, const ViewSettings& settings, const BoardViewState& state) {
        picture.Build(board, settings, state, BoardGeometry(400, 300, board.size, 100));
    }
    // What a painter leaves at a point from the fills alone: the last fill covering it.
    Colour FillAt(PixelPoint point) const {
        Colour colour = 0xFFFFFFFF;
        for (const FillShape& fill : All<FillShape>())
            if (fill.rect.Contains(point)) colour = fill.colour;
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

PixelPoint Centre9(int column, int row) {
    return {20 + 32 * column, 20 + 32 * row};
}
PixelRect Cell9(int column, int row) {
    return {4 + 32 * column, 4 + 32 * row, 32, 32};
}

TEST(BoardPicture, ColoursKeepRedInTheLowByte) {
    EXPECT_EQ(std::make_tuple(RedOf(kChainColourA), GreenOf(kChainColourA), BlueOf(kChainColourA)),
              std::make_tuple(53, 177, 77));
    EXPECT_EQ(MakeColour(181, 49, 128), kChainColourB);
    EXPECT_EQ(BlueOf(ViewSettings{}.givensColour), 255);
}

TEST(BoardPicture, BackgroundAndTilesAlternateByBlockLikeAChessboard) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, std::string(81, '.'));
    const Painted painted(*board, settings, Solving());
    EXPECT_EQ(painted.FillAt({350, 10}), kWindowBackground);
    EXPECT_EQ(painted.FillAt({35, 20}), kWindowBackground);  // the bevel between two tiles
    for (const auto& [column, row, alternate] : {std::tuple{0, 0, false},
                                                 {2, 2, false},
                                                 {3, 0, true},
                                                 {0, 5, true},
                                                 {4, 4, false},
                                                 {8, 6, false},
                                                 {8, 3, true}})
        EXPECT_EQ(painted.FillAt(Centre9(column, row)),
                  alternate ? settings.blockAltColour : settings.blockColour)
            << column << ", " << row;
    const auto bevels = painted.All<BevelShape>();
    ASSERT_EQ(bevels.size(), 2u * 81);
    EXPECT_EQ(std::tie(bevels[0].rect, bevels[0].light, bevels[0].dark),
              std::make_tuple(PixelRect{4, 4, 31, 31}, 0xE0E0E0u, 0x808080u));
    EXPECT_EQ(std::tie(bevels[1].rect, bevels[1].light, bevels[1].dark),
              std::make_tuple(PixelRect{5, 5, 29, 29}, 0xFFFFFFu, 0xC0C0C0u));

    settings.useDefaultBkgColor = 0;
    auto board16 = MakeBoard(platform, std::string(256, '.'));
    const Painted painted16(*board16, settings, Solving());
    EXPECT_EQ(painted16.FillAt({350, 10}), settings.backgroundColour);
    EXPECT_EQ(painted16.FillAt({4 + 18 * 3 + 9, 4 + 18 * 3 + 9}), settings.blockColour);
    EXPECT_EQ(painted16.FillAt({4 + 18 * 4 + 9, 9}), settings.blockAltColour);
}

TEST(BoardPicture, ValuesTakeTheClueOrGivenColourInTheValueFont) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->Cell(2, 0) = {4, Given, bitOf(4), 1};
    board->Cell(3, 0) = {5, Mistake, bitOf(5), 1};
    BoardViewState state = Solving();
    const Painted painted(*board, settings, state);
    const auto clue = painted.TextsIn(Cell9(0, 0));
    ASSERT_EQ(clue.size(), 1u);
    EXPECT_EQ(clue[0].symbol, '5');
    EXPECT_EQ(clue[0].colour, settings.cluesColour);
    EXPECT_EQ(clue[0].box, Cell9(0, 0));
    EXPECT_EQ(clue[0].alignment, TextAlignment::CentredOnAscent);
    EXPECT_EQ(clue[0].font, (FontSpec{"Courier New", 28, 25, 600}));
    EXPECT_EQ(painted.TextsIn(Cell9(2, 0)).at(0).colour, settings.givensColour);
    EXPECT_EQ(painted.TextsIn(Cell9(3, 0)).at(0).colour, settings.givensColour);

    // Wordoku display draws each value's letter.
    settings.viewMode = 1;
    state.letters = "CEINMDFOR";
    EXPECT_EQ(Painted(*board, settings, state).TextsIn(Cell9(0, 0)).at(0).symbol, 'M');
    EXPECT_EQ(SymbolText(1, 12, "CEINMDFOR"), '.');
    EXPECT_EQ(SymbolText(0, 12, ""), 'C');
}

TEST(BoardPicture, MistakeFillThenHighlightOverIt) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    board->Cell(2, 0) = {1, Mistake, bitOf(1), 1};
    board->Cell(3, 0) = {6, Given, bitOf(6), 1};
    BoardViewState state = Solving();

    // The stored option shows mistakes whatever the menu switch says.
    const Painted shown(*board, settings, state);
    EXPECT_EQ(shown.FillAt(Centre9(2, 0)), settings.mistakesColour);
    // It spans (x * S + 6, margin + y * S + 2) to S - 6 pixels further.
    EXPECT_EQ(shown.FillAt({70, 6}), settings.mistakesColour);
    EXPECT_EQ(shown.FillAt({95, 31}), settings.mistakesColour);
    EXPECT_NE(shown.FillAt({69, 6}), settings.mistakesColour);
    EXPECT_NE(shown.FillAt({96, 31}), settings.mistakesColour);
    EXPECT_EQ(shown.FillAt(Centre9(3, 0)), settings.blockAltColour);  // a given, right
    // With the option off the switch decides.
    settings.showMistakes = 0;
    EXPECT_EQ(Painted(*board, settings, state).FillAt(Centre9(2, 0)), settings.blockColour);
    state.mistakesShown = true;
    EXPECT_EQ(Painted(*board, settings, state).FillAt(Centre9(2, 0)), settings.mistakesColour);

    // The highlighted number covers a mistake; every cell holding it is filled.
    state.highlightedValue = 1;
    const Painted highlighted(*board, settings, state);
    EXPECT_EQ(highlighted.FillAt(Centre9(2, 0)), settings.highLightColour);
    EXPECT_EQ(highlighted.FillAt(Centre9(3, 1)), settings.highLightColour);
    EXPECT_EQ(highlighted.FillAt(Centre9(0, 0)), settings.blockColour);
}

TEST(BoardPicture, PencilMarksShowWhileSolvingAndInSetModeOnlyWhenAsked) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardViewState state = Solving();
    const PixelRect cell = Cell9(2, 0);  // empty, candidates 1, 2 and 4
    const auto marks = Painted(*board, settings, state).TextsIn(cell);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(std::string({marks[0].symbol, marks[1].symbol, marks[2].symbol}), "124");
    EXPECT_EQ(marks[0].font, (FontSpec{"Courier New", 8, 8, 400}));
    EXPECT_EQ(marks[0].colour, settings.markColour);
    EXPECT_EQ(marks[0].box, (PixelRect{71, 7, 8, 8}));
    EXPECT_EQ(marks[2].box.left, 71);  // candidate 4 starts the second line
    EXPECT_EQ(marks[2].box.top, 16);

    state.entryMode = SetMode;
    EXPECT_TRUE(Painted(*board, settings, state).TextsIn(cell).empty());
    settings.showPencilMarksSetMode = 1;
    EXPECT_EQ(Painted(*board, settings, state).TextsIn(cell).size(), 3u);
    settings.showHelper = 0;
    state.entryMode = SolveMode;
    EXPECT_TRUE(Painted(*board, settings, state).TextsIn(cell).empty());

    // 16 x 16 at 400 %: S = 72, four places per line 68 / 4 = 17 apart, shifted by 72 / 40.
    const BoardGeometry geometry16(400, 300, 16, 400);
    EXPECT_EQ(MarkAnchor(geometry16, 0, 0, 4), (PixelPoint{4 + 3 + 51 + 1, 4 + 3 + 1}));
    EXPECT_EQ(MarkAnchor(geometry16, 0, 0, 5), (PixelPoint{4 + 3 + 1, 4 + 3 + 17 + 1}));
}

TEST(BoardPicture, AlternateMarkColourFollowsTheBlockParity) {
    HeadlessPlatform platform;
    ViewSettings settings = DistinctColours();
    settings.alternateColour = 1;
    auto board = MakeBoard(platform, std::string(81, '.'));
    const Painted painted(*board, settings, Solving());
    for (const auto& [column, row, alternate] :
         {std::tuple{0, 0, false}, {3, 0, true}, {0, 6, false}, {5, 8, true}, {4, 4, false}})
        EXPECT_EQ(painted.TextsIn(Cell9(column, row)).at(8).colour,
                  alternate ? settings.markAltColour : settings.markColour);
}

TEST(BoardPicture, DefaultMarksStandOutFromEveryBlock) {
    HeadlessPlatform platform;
    const ViewSettings settings;
    auto board = MakeBoard(platform, std::string(81, '.'));
    const Painted painted(*board, settings, Solving());
    for (const auto& [column, row, alternate] : {std::tuple{0, 0, false}, {3, 0, true}})
        EXPECT_NE(painted.TextsIn(Cell9(column, row)).at(8).colour,
                  alternate ? settings.blockAltColour : settings.blockColour);
}

TEST(BoardPicture, CandidatesRemovedByTheShownHintAreStruckThrough) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    // r1c3 held 1, 2 and 4; the hint took 1 and 2 away.
    board->Cell(2, 0).candidates = bitOf(4);
    board->Cell(2, 0).candidateNbr = 1;
    HintMarks hint;
    hint.removed[CellIndex(2, 0)] = bitOf(1) | bitOf(2) | bitOf(4);
    BoardViewState state = Solving();
    state.hint = &hint;
    const Painted plain(*board, settings, state);
    EXPECT_EQ(plain.TextsIn(Cell9(2, 0)).size(), 1u);
    EXPECT_TRUE(plain.All<LineShape>().empty());

    state.hintShown = true;
    const Painted painted(*board, settings, state);
    const auto marks = painted.TextsIn(Cell9(2, 0));
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].symbol, '1');
    const auto lines = painted.All<LineShape>();
    ASSERT_EQ(lines.size(), 2u);  // the candidate still set is not struck
    EXPECT_EQ(lines[0].from, (PixelPoint{71, 7 + 8}));
    EXPECT_EQ(lines[0].to, (PixelPoint{71 + 8, 7}));
    EXPECT_EQ(lines[0].penWidth, 2);
    EXPECT_EQ(lines[0].colour, 0x0000FFu);
}

TEST(BoardPicture, SelectionFrameOrHintMarksComeLastAndOnScreenOnly) {
    HeadlessPlatform platform;
    const ViewSettings settings = DistinctColours();
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardViewState state = Solving();
    state.selected = {1, 2};
    auto outlines = Painted(*board, settings, state).All<OutlineShape>();
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].rect, (PixelRect{39, 71, 25, 25}));
    EXPECT_EQ(outlines[1].rect, (PixelRect{40, 72, 23, 23}));
    EXPECT_EQ(outlines[1].colour, settings.givensColour);
    state.entryMode = SetMode;
    const Painted setting(*board, settings, state);
    EXPECT_EQ(setting.All<OutlineShape>().at(0).colour, settings.cluesColour);
    EXPECT_TRUE(std::holds_alternative<OutlineShape>(setting.picture.Shapes().back()));

    HintMarks hint;
    hint.frames = {{{2, 0}, kHintFrameColour}, {{9, 0}, kHintFrameColour}};
    hint.eliminationColumns = {4, 9};
    hint.eliminationRows = {1};
    hint.chainLinks = {{{{2, 0}, 1}, {{2, 1}, 2}, kChainColourA}};
    hint.circles = {{{{2, 0}, 1}, kChainGreen}, {{{2, 0}, 10}, kChainRed}};
    state.hint = &hint;
    state.hintShown = true;
    const Painted hinted(*board, settings, state);
    outlines = hinted.All<OutlineShape>();  // the cell off the board is left out
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0].rect, (PixelRect{71, 7, 25, 25}));
    EXPECT_EQ(outlines[0].colour, kHintFrameColour);
    const auto lines = hinted.All<LineShape>();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(std::tie(lines[0].from, lines[0].to, lines[0].penWidth, lines[0].colour),
              std::make_tuple(PixelPoint{148, 4}, PixelPoint{148, 292}, 3, kEliminationColour));
    EXPECT_EQ(std::tie(lines[1].from, lines[1].to),
              std::make_tuple(PixelPoint{4, 52}, PixelPoint{292, 52}));
    // The link joins the centres of the candidates' squares, 10 pixels wide at S = 32.
    EXPECT_EQ(std::tie(lines[2].from, lines[2].to),
              std::make_tuple(PixelPoint{76, 12}, PixelPoint{76 + 9, 44}));
    const auto circles = hinted.All<EllipseShape>();
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, (PixelRect{71, 7, 10, 10}));
    EXPECT_EQ(circles[0].colour, kChainGreen);

    state.forPrinter = true;
    EXPECT_TRUE(Painted(*board, settings, state).All<OutlineShape>().empty());
    state.hintShown = false;
    EXPECT_TRUE(Painted(*board, settings, state).All<OutlineShape>().empty());
}

TEST(BoardPicture, OnlyTheBackgroundWithoutRoomForCells) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, kClassicPuzzle);
    BoardPicture picture;
    picture.Build(*board, ViewSettings{}, Solving(), BoardGeometry(12, 12, 9, 100));
    EXPECT_EQ(picture.Shapes().size(), 1u);
    // Nor with a geometry left over from a board of the other size.
    picture.Build(*board, ViewSettings{}, Solving(), BoardGeometry(400, 300, 16, 100));
    EXPECT_EQ(picture.Shapes().size(), 1u);
}
}  // namespace
