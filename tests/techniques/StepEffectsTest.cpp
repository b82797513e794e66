#include "techniques/StepEffects.h"

#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"

namespace {
TEST(StepEffects, PlacementsAndRemovalsInReadingOrder) {
    HeadlessPlatform platform;
    auto board = MakeBoard(platform, std::string(256, '.'));
    auto display = std::make_unique<StepDisplay>();
    // Row 2, column 15 gets 11; row 12, column 3 loses 10 and 16; the non-peer (0, 5) loses 11
    // and is listed either way; the peer (14, 3) loses 11 and 2, of which only 2 is the step's
    // own when implied removals are omitted.
    display->Begin(BruteForceGuess, BruteForceGuessPage);
    display->placedValue = 11;
    display->placedCell = {14, 1};
    display->AddChange(2, 11, bitOf(10) | bitOf(16));
    display->AddChange(0, 5, bitOf(11));
    display->AddChange(14, 3, bitOf(11) | bitOf(2));
    EXPECT_EQ(
        StepEffectsText(StepEffects(*display, *board, board->cells, ImpliedRemovals::Omitted)),
        "r2c15=B r4c15-2 r6c1-B r12c3-AG");
    const std::string listed =
        StepEffectsText(StepEffects(*display, *board, board->cells, ImpliedRemovals::Listed));
    EXPECT_EQ(listed.substr(0, 32), "r1c13-B r1c14-B r1c15-B r1c16-B ");
    EXPECT_NE(listed.find("r2c1-B r2c2-B"), std::string::npos);
    EXPECT_NE(listed.find("r2c15=B r2c16-B"), std::string::npos);
    EXPECT_NE(listed.find("r4c15-2B"), std::string::npos);
    EXPECT_NE(listed.find("r6c1-B"), std::string::npos);
    EXPECT_NE(listed.find("r16c15-B"), std::string::npos);
    EXPECT_EQ(listed.find("r3c1-B"), std::string::npos);  // not a peer
    // A filled peer loses nothing.
    board->Cell(15, 1).value = 3;
    EXPECT_EQ(StepEffectsText(StepEffects(*display, *board, board->cells, ImpliedRemovals::Listed))
                  .find("r2c16"),
              std::string::npos);
    display->Begin(NakedSingle, PlacementPage);
    EXPECT_EQ(StepEffectsText(StepEffects(*display, *board, board->cells, ImpliedRemovals::Listed)),
              "");
}

TEST(StepEffects, WrongPlacementsAndRemovalsOfTheSolutionValue) {
    CellGrid solution{};
    solution[CellIndex(2, 1)].value = 7;
    CellEffect wrong;

    EXPECT_TRUE(AgreesWithSolution({2, 1, 7, 0}, solution, wrong));
    EXPECT_FALSE(AgreesWithSolution({2, 1, 4, 0}, solution, wrong));
    EXPECT_EQ(EffectText(wrong), "r2c3=4");

    EXPECT_TRUE(AgreesWithSolution({2, 1, -1, bitOf(1) | bitOf(9)}, solution, wrong));
    // Only the solution's value is named, not the sound removals beside it.
    EXPECT_FALSE(AgreesWithSolution({2, 1, -1, bitOf(1) | bitOf(7) | bitOf(9)}, solution, wrong));
    EXPECT_EQ(EffectText(wrong), "r2c3-7");
}
}  // namespace
