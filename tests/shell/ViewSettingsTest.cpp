#include "shell/ViewSettings.h"

#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "platform/HeadlessPlatform.h"

TEST(ViewSettings, SavesTwentyThreeValuesAndLoadsThemBack) {
    HeadlessPlatform platform;
    SettingsStore store(platform);
    ViewSettings edited;
    edited.viewMode = 1;
    edited.zoomRatio = 250;
    edited.cluesColour = 0xFFFFFF;
    edited.highLightColour = 0x123456;
    edited.alternateColour = 1;
    edited.showMistakes = 0;
    edited.defaultBoardSize = 16;
    edited.wordokuWordListPath = std::string(499, 'w');
    edited.wordokuLocationNbr = 7;
    edited.autoLoadBoard = 0;
    SaveViewSettings(store, edited);

    const auto& values = platform.settings.Values();
    ASSERT_EQ(values.size(), 23u);
    int numbers = 0;
    for (const auto& [name, value] : values)
        numbers += std::holds_alternative<std::uint32_t>(value);
    EXPECT_EQ(numbers, 22);
    EXPECT_TRUE(std::holds_alternative<std::string>(values.at("WordokuWordListPath")));
    EXPECT_EQ(std::get<std::uint32_t>(values.at("ZoomRatio")), 250u);

    ViewSettings loaded;
    LoadViewSettings(store, loaded);
    EXPECT_EQ(loaded.viewMode, 1);
    EXPECT_EQ(loaded.zoomRatio, 250);
    EXPECT_EQ(loaded.cluesColour, 0xFFFFFFu);
    EXPECT_EQ(loaded.highLightColour, 0x123456u);
    EXPECT_EQ(loaded.alternateColour, 1);
    EXPECT_EQ(loaded.showMistakes, 0);
    EXPECT_EQ(loaded.defaultBoardSize, 16);
    EXPECT_EQ(loaded.wordokuWordListPath, edited.wordokuWordListPath);
    EXPECT_EQ(loaded.wordokuLocationNbr, 7);
    EXPECT_EQ(loaded.autoLoadBoard, 0);
}

TEST(ViewSettings, GarbageFallsBackToDefaultsOrIsBroughtIntoRange) {
    HeadlessPlatform platform;
    MemorySettings& stored = platform.settings;
    SettingsStore store(platform);
    ViewSettings settings;
    settings.zoomRatio = 175;           // overwritten by the defaults first
    stored.WriteText("ViewMode", "1");  // a text where a number belongs
    stored.WriteNumber("BackgroundColour", 0xFF00FF00);
    stored.WriteNumber("MistakesColour", 0x7F0000FF);
    stored.WriteNumber("ShowHelper", 7);
    stored.WriteNumber("DefaultBoardSize", 12);
    stored.WriteNumber("WordokuAssignmentType", 3);
    stored.WriteNumber("WordokuLocAssignmentType", static_cast<std::uint32_t>(-1));
    stored.WriteNumber("WordokuLocationNbr", 0);
    stored.WriteText("WordokuWordListPath", std::string(500, 'p'));

    const std::pair<std::uint32_t, int> zooms[] = {
        {0, 50}, {100000, 400}, {130, 125}, {87, 75}, {static_cast<std::uint32_t>(-20), 50}};
    for (auto [storedZoom, expected] : zooms) {
        stored.WriteNumber("ZoomRatio", storedZoom);
        LoadViewSettings(store, settings);
        EXPECT_EQ(settings.zoomRatio, expected) << storedZoom;
    }
    const ViewSettings defaults;
    EXPECT_EQ(settings.viewMode, 0);
    EXPECT_EQ(settings.backgroundColour, 0x00FF00u);
    EXPECT_EQ(settings.mistakesColour, 0x0000FFu);
    EXPECT_EQ(settings.showHelper, 1);
    EXPECT_EQ(settings.defaultBoardSize, 9);
    EXPECT_EQ(settings.wordokuAssignmentType, 0);
    EXPECT_EQ(settings.wordokuLocAssignmentType, 0);
    EXPECT_EQ(settings.wordokuLocationNbr, 1);
    EXPECT_EQ(settings.wordokuWordListPath, "");
    EXPECT_EQ(settings.blockColour, defaults.blockColour);
}
