#include "shell/HintDataTexts.h"

#include <gtest/gtest.h>

#include "LongForcedChain.h"
#include "ShellFixture.h"
#include "techniques/TechniqueTable.h"

namespace {
using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

HintDataTexts TextsOf(const SolveStep& step, int viewMode = 0, std::string_view letters = {}) {
    auto display = std::make_unique<StepDisplay>();
    ShowStep(step, *display);
    return HintDataOf(*display, kTechniques[step.technique].name, viewMode, letters);
}

SolveStep HiddenPairStep() {
    SolveStep step;
    step.technique = HiddenPairInRow;
    step.hiddenPair.valueA = 3;
    step.hiddenPair.valueB = 7;
    step.hiddenPair.cells = {{{1, 0}, {4, 0}}};
    step.hiddenPair.removedMasks = {static_cast<std::int32_t>(bitOf(1) | bitOf(9)), 0};
    return step;
}

// A 16 x 16 board in solve mode whose first hint is a forced chain settling 43 cells.
void LongChainBoard(ShellFixture& f) {
    f.runner.Run(CommandId::BoardSize, 16);
    f.input.Select(15, 15);
    f.input.TypeCharacter('G');
    f.runner.Run(CommandId::SolveBoard);
    ShapeLongForcedChain(f.board);
    f.platform.messages.clear();  // the 16 x 16 board's note on mistakes
}
}  // namespace

TEST(HintDataTexts, EachFamilyFillsItsPage) {
    HintDataTexts texts = TextsOf(HiddenPairStep());
    EXPECT_EQ(texts.technique, "Hidden Pair in a Row");
    EXPECT_EQ(texts.page, HiddenPairPage);
    EXPECT_EQ(texts.fields, (Texts{"r1c2, r1c5", "3 and 7"}));
    EXPECT_EQ(texts.updatedNbr, "2");
    // Both cells are listed, the one that lost nothing too.
    EXPECT_EQ(texts.rows, (Rows{{"1", "1", "2", "1, 9"}, {"2", "1", "5", ""}}));

    SolveStep single;
    single.technique = HiddenSingleInBox;
    single.value = 5;
    single.column = 2;
    single.row = 6;
    texts = TextsOf(single);
    EXPECT_EQ(texts.page, PlacementPage);
    EXPECT_EQ(texts.fields, (Texts{"5", "", "7", "3"}));
    EXPECT_EQ(texts.updatedNbr, "");
    EXPECT_TRUE(texts.rows.empty());

    SolveStep wing;
    wing.technique = YWings;
    wing.yWings = {0, 3, 0, 0, 0, 3, 1, 2, 9, {}, 1};
    wing.yWings.removals[0] = {3, 3, static_cast<std::int32_t>(bitOf(9))};
    texts = TextsOf(wing);
    EXPECT_EQ(texts.page, YWingsPage);
    EXPECT_EQ(texts.fields, (Texts{"r1c1, r1c4, r4c1", "1, 2", "9"}));
    EXPECT_EQ(texts.rows, (Rows{{"1", "4", "4"}}));

    SolveStep rectangle;
    rectangle.technique = UniqueRectangleType2;
    rectangle.uniqueRectangle.extraValue = 6;
    rectangle.uniqueRectangle.roofCorners = {{{0, 0}, {1, 0}, {0, 4}, {1, 4}}};
    texts = TextsOf(rectangle);
    EXPECT_EQ(texts.page, UniqueRectangleType2Page);
    EXPECT_EQ(texts.fields, (Texts{"r1c1, r1c2, r5c1, r5c2", "6"}));
    EXPECT_EQ(texts.updatedNbr, "0");

    // Single colours and the rectangles of types III and IV show their name only.
    SolveStep colours;
    colours.technique = SingleColoursType2;
    texts = TextsOf(colours);
    EXPECT_EQ(texts.technique, "Single Colours Type II");
    EXPECT_EQ(texts.page, NoHintPage);
    EXPECT_TRUE(texts.fields.empty());
}

TEST(HintDataTexts, PageLayoutsNameTheirFieldsAndColumns) {
    const HintPageLayout& reduction = HintPageLayoutOf(BoxLineReductionPage);
    ASSERT_EQ(reduction.fieldNbr, 2);
    EXPECT_STREQ(reduction.fields[0].label, "Box Line Reduction Location: ");
    EXPECT_STREQ(reduction.fields[1].label, "Removable Candidate:");
    EXPECT_EQ(HintListHeaders(reduction.list), (Texts{"Ndx", "Row", "Col", "Cand. Removed"}));
    EXPECT_EQ(HintListHeaders(HintPageLayoutOf(ForcedChainsPage).list),
              (Texts{"Ndx", "Row", "Col", "Common Cand.", "Cand. Removed"}));
    EXPECT_EQ(HintListHeaders(HintPageLayoutOf(XWingsPage).list), (Texts{"Ndx", "Row", "Col"}));
    EXPECT_TRUE(HintListHeaders(HintPageLayoutOf(PlacementPage).list).empty());
    // Every family with a page has its layout; a page number out of range has none.
    for (int page = PlacementPage; page < kHintPageCount; ++page)
        EXPECT_GT(HintPageLayoutOf(page).fieldNbr, 0) << page;
    EXPECT_EQ(HintPageLayoutOf(kHintPageCount).fieldNbr, 0);
    EXPECT_EQ(HintPageLayoutOf(-1).fieldNbr, 0);
}

TEST(HintDataTexts, TheDocumentShowsItsHintInItsDisplay) {
    const HintDataTexts texts = TextsOf(HiddenPairStep(), 1, "BLACKOUTS");
    EXPECT_EQ(texts.fields, (Texts{"r1c2, r1c5", "A and U"}));
    EXPECT_EQ(texts.rows[0], (Texts{"1", "1", "2", "B, S"}));

    ShellFixture f;
    f.TypeClues(kClassicPuzzle);
    f.board.wordokuStringCopy = "BLACKOUTS";
    f.doc.settings.viewMode = 1;
    EXPECT_EQ(HintDataOf(f.doc).technique, "  ");
    EXPECT_EQ(HintDataOf(f.doc).page, NoHintPage);
    f.runner.Run(CommandId::SolveBoard);
    f.runner.Run(CommandId::Hint);
    // The first hint places 8 at r1c6 (a single in its box).
    EXPECT_EQ(HintDataOf(f.doc).technique, "Single in a Box");
    EXPECT_EQ(HintDataOf(f.doc).fields, (Texts{"T", "", "1", "6"}));
    f.doc.settings.viewMode = 0;
    EXPECT_EQ(HintDataOf(f.doc).fields, (Texts{"8", "", "1", "6"}));
    // Without the hint, only the technique line is left, with two spaces.
    f.runner.Run(CommandId::Undo);
    EXPECT_EQ(HintDataOf(f.doc).technique, "  ");
    EXPECT_EQ(HintDataOf(f.doc).page, NoHintPage);
    EXPECT_TRUE(HintDataOf(f.doc).fields.empty());
}

TEST(HintDataTexts, ALongForcedChainListsThirtyTwoCellsAndWarnsOnce) {
    ShellFixture f;
    LongChainBoard(f);
    f.runner.Run(CommandId::Hint);
    ASSERT_EQ(f.doc.step.technique, ForcedChains);
    EXPECT_EQ(f.platform.messages, Texts{kHintListCutMessage});
    const HintDataTexts texts = HintDataOf(f.doc);
    EXPECT_EQ(texts.page, ForcedChainsPage);
    EXPECT_EQ(texts.fields, Texts{"r1c1"});
    EXPECT_EQ(texts.updatedNbr, "43");
    ASSERT_EQ(texts.rows.size(), std::size_t(kHintListLimit));
    // P, which both values of the start cell force to 3, then the first cell of the path.
    EXPECT_EQ(texts.rows[0], (Texts{"1", "1", "5", "3", "1"}));
    EXPECT_EQ(texts.rows[1], (Texts{"2", "2", "5", "4", "3"}));
    EXPECT_EQ(texts.rows[31][0], "32");
    // Reading the page again, as every repaint does, shows nothing more.
    HintDataOf(f.doc);
    EXPECT_EQ(f.platform.messages.size(), 1u);

    // A chain short enough for its page says nothing.
    f.runner.Run(CommandId::Undo);
    f.platform.messages.clear();
    const CellGrid open = f.board.cells;
    ShapeLongForcedChain(f.board);
    const auto path = LongChainPath();
    for (std::size_t i = 20; i < path.size(); ++i)
        f.board.Cell(path[i].first, path[i].second) =
            open[CellIndex(path[i].first, path[i].second)];
    f.runner.Run(CommandId::Hint);
    ASSERT_EQ(f.doc.step.technique, ForcedChains);
    EXPECT_EQ(HintDataOf(f.doc).rows.size(), 21u);
    EXPECT_TRUE(f.platform.messages.empty());
}
