// The test behind raruduz-cli check: a step's effects against a solution grid.

#include <gtest/gtest.h>

#include "cli/StepEffects.h"

namespace {
TEST(SolutionAgreement, WrongPlacementsAndRemovalsOfTheSolutionValue) {
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
