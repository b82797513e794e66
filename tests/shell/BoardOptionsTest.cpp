#include "shell/BoardOptions.h"

#include <gtest/gtest.h>

#include "ShellFixture.h"
#include "platform/SettingsNames.h"

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

TEST(BoardOptions, ConfirmedOptionsReachDocumentBoardAndStoreButNotTheMenuValues) {
    ShellFixture f;
    f.runner.Run(CommandId::Zoom, 200);
    EXPECT_EQ(f.Status(f.runner.Run(CommandId::BoardOptions)), "-");
    EXPECT_EQ(f.dialogs.shownOptions->settings.zoomRatio, 200);
    EXPECT_TRUE(f.platform.settings.Values().empty());

    BoardOptions edited = *f.dialogs.shownOptions;
    edited.settings.givensColour = 0x0A0B0C;
    edited.settings.zoomRatio = 50;  // not the dialog's to change
    edited.allowBruteForceTech = 0;
    f.dialogs.editedOptions = edited;
    EXPECT_TRUE(f.runner.Run(CommandId::BoardOptions).redraw);
    EXPECT_EQ(f.doc.settings.givensColour, 0x0A0B0Cu);
    EXPECT_EQ(f.doc.settings.zoomRatio, 200);
    EXPECT_EQ(f.board.allowBruteForceTech, 0);
    std::int32_t zoom = 0;
    ASSERT_TRUE(f.store.ReadNumber("ZoomRatio", zoom));
    EXPECT_EQ(zoom, 200);
    // The permission is the board's; it is stored when the board goes.
    EXPECT_EQ(f.platform.settings.Values().count(kAllowBruteForceTech), 0u);
}
