#include "shell/CommandTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The board states the rules are checked against, in the order of the expectation strings.
std::vector<CommandContext> States() {
    CommandContext empty;  // a new 9 x 9 board in set mode
    CommandContext clues = empty;
    clues.clueNbr = 30;
    clues.emptyNbr = 51;
    clues.canUndo = true;
    CommandContext solve = clues;  // solve mode with givens
    solve.entryMode = 0;
    solve.givenNbr = 5;
    solve.emptyNbr = 46;
    solve.canRedo = true;
    solve.solutionKnown = true;
    CommandContext solving = solve;
    solving.entryMode = 2;
    solving.solving = true;
    CommandContext large;  // an empty 16 x 16 board while new boards are 9 x 9
    large.size = 16;
    large.emptyNbr = 256;
    large.boardDataFileExists = true;
    return {empty, clues, solve, solving, large};
}

std::string Pattern(CommandId id, int parameter,
                    bool (*rule)(const CommandRow&, const CommandContext&)) {
    const CommandRow* row = FindCommand(id, parameter);
    if (!row) return "missing";
    std::string pattern;
    for (const CommandContext& context : States()) pattern += rule(*row, context) ? '1' : '0';
    return pattern;
}
}  // namespace

TEST(CommandTable, EnableRulesAgainstBoardStates) {
    struct Expectation {
        CommandId id;
        int parameter;
        const char* enabled;  // empty, clues, solve, solving, 16 x 16
    };
    const Expectation expectations[] = {
        {CommandId::New, 0, "11101"},
        {CommandId::Open, 0, "00001"},
        {CommandId::Save, 0, "01100"},
        {CommandId::ImportFromClipboard, 0, "11101"},
        {CommandId::ImportFromFile, 0, "11101"},
        {CommandId::ExportToFile, 0, "01100"},
        {CommandId::Exit, 0, "11101"},
        {CommandId::SetBoard, 0, "11101"},
        {CommandId::ResetBoard, 0, "00100"},
        {CommandId::AssignWordokuLetters, 0, "00100"},
        {CommandId::ShowMistakes, 0, "11111"},
        {CommandId::HighLightCandidate, 9, "01110"},
        {CommandId::HighLightCandidate, 10, "00000"},
        {CommandId::GenerateBoard, 41, "11101"},
        {CommandId::DefaultGeneration, 0, "11101"},
        {CommandId::Undo, 0, "01100"},
        {CommandId::Redo, 0, "00100"},
        {CommandId::Hint, 0, "00100"},
        {CommandId::JumpToTechnique, 0, "00100"},
        {CommandId::SolveBruteForce, 0, "01100"},
        {CommandId::StopBruteForce, 0, "00010"},
        {CommandId::SolveIterative, 0, "11101"},
        {CommandId::BoardOptions, 0, "11101"},
        {CommandId::BoardSize, 16, "11101"},
        {CommandId::Zoom, 300, "11111"},
        {CommandId::About, 0, "11111"},
    };
    for (const Expectation& e : expectations)
        EXPECT_EQ(Pattern(e.id, e.parameter, IsEnabled), e.enabled)
            << FindCommand(e.id, e.parameter)->text;
}

TEST(CommandTable, CheckRulesAgainstBoardStates) {
    EXPECT_EQ(Pattern(CommandId::SetBoard, 0, IsChecked), "11001");
    EXPECT_EQ(Pattern(CommandId::SolveBoard, 0, IsChecked), "00100");
    EXPECT_EQ(Pattern(CommandId::SolveBruteForce, 0, IsChecked), "00010");
    EXPECT_EQ(Pattern(CommandId::BoardSize, 9, IsChecked), "11111");
    EXPECT_EQ(Pattern(CommandId::BoardSize, 16, IsChecked), "00001");
    EXPECT_EQ(Pattern(CommandId::Zoom, 100, IsChecked), "11111");
    EXPECT_EQ(Pattern(CommandId::Zoom, 50, IsChecked), "00000");
    EXPECT_EQ(Pattern(CommandId::SudokuMode, 0, IsChecked), "11111");
    EXPECT_EQ(Pattern(CommandId::WordokuMode, 1, IsChecked), "00000");

    CommandContext context;
    context.highlighted = 5;
    context.mistakesShown = true;
    EXPECT_TRUE(IsChecked(*FindCommand(CommandId::HighLightCandidate, 5), context));
    EXPECT_FALSE(IsChecked(*FindCommand(CommandId::HighLightCandidate, 6), context));
    EXPECT_TRUE(IsChecked(*FindCommand(CommandId::ShowMistakes), context));
    // The 16 x 16 item is checked once the default is 16 and the board has no clues.
    context.defaultBoardSize = 16;
    EXPECT_TRUE(IsChecked(*FindCommand(CommandId::BoardSize, 16), context));
    context.clueNbr = 1;
    EXPECT_FALSE(IsChecked(*FindCommand(CommandId::BoardSize, 16), context));
}

TEST(CommandTable, WhileSolvingOnlyStopViewAndAboutStayLive) {
    CommandContext solving = States()[3];
    solving.emptyNbr = 40;
    for (const CommandRow& row : CommandTable()) {
        const bool live = row.id == CommandId::StopBruteForce || row.id == CommandId::Zoom ||
                          row.id == CommandId::HighLightCandidate ||
                          row.id == CommandId::ShowMistakes || row.id == CommandId::About;
        if (!live) {
            EXPECT_FALSE(IsEnabled(row, solving)) << row.text;
        }
    }
    EXPECT_EQ(CommandTable().size(), 70u);
}
