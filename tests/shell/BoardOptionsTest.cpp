#include "shell/BoardOptions.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(BoardOptions, ResetGivesTheDefaultsWithAlternateBlocksWhiteCluesAndGuessing) {
    BoardOptions options;
    options.settings.zoomRatio = 250;
    options.settings.viewMode = 1;
    options.settings.defaultBoardSize = 16;
    options.settings.markColour = 0x123456;
    options.settings.showHelper = 0;
    options.settings.wordokuAssignmentType = 1;
    options.settings.wordokuWordListPath = "/words.txt";
    options.settings.wordokuLocationNbr = 4;
    options.settings.autoLoadBoard = 0;
    options.allowBruteForceTech = 0;

    const BoardOptions reset = ResetBoardOptions(options);
    ViewSettings expected;
    expected.zoomRatio = 250;
    expected.viewMode = 1;
    expected.defaultBoardSize = 16;
    expected.alternateColour = 1;
    expected.cluesColour = 0xFFFFFF;
    const auto fields = [](const ViewSettings& s) {
        return std::tuple(s.viewMode, s.zoomRatio, s.backgroundColour, s.blockColour,
                          s.blockAltColour, s.cluesColour, s.givensColour, s.markColour,
                          s.markAltColour, s.mistakesColour, s.highLightColour, s.alternateColour,
                          s.useDefaultBkgColor, s.showHelper, s.showPencilMarksSetMode,
                          s.showMistakes, s.defaultBoardSize, s.wordokuAssignmentType,
                          s.wordokuWordListPath, s.wordokuLocAssignmentType, s.wordokuLocationNbr,
                          s.retrieveOnlyClues, s.autoLoadBoard);
    };
    EXPECT_EQ(fields(reset.settings), fields(expected));
    EXPECT_EQ(reset.allowBruteForceTech, 1);
}
