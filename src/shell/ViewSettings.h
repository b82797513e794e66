#pragma once
// The board view's display and behaviour settings: colours, zoom, display flags, Wordoku and
// board-loading options. Filled from the settings store when the view is created and written
// back whole when the user confirms the options dialog.

#include <cstdint>
#include <string>

class SettingsStore;

// Colours are 0x00BBGGRR: red in the low byte.
struct ViewSettings {
    std::int32_t viewMode = 0;  // 0 digits, 1 Wordoku letters
    std::int32_t zoomRatio = 100;
    std::uint32_t backgroundColour = 0xA4A4A4;
    std::uint32_t blockColour = 0xA4A4A4;
    std::uint32_t blockAltColour = 0x808080;
    std::uint32_t cluesColour = 0x00FF00;
    std::uint32_t givensColour = 0xFF0000;
    std::uint32_t markColour = 0x808080;
    std::uint32_t markAltColour = 0xC0C0C0;
    std::uint32_t mistakesColour = 0x0000FF;
    std::uint32_t highLightColour = 0x800080;
    // On: the default marks colour is the alternate blocks' colour, so without the switch the
    // candidates of every other block would not show.
    std::int32_t alternateColour = 1;
    std::int32_t useDefaultBkgColor = 1;
    std::int32_t showHelper = 1;
    std::int32_t showPencilMarksSetMode = 0;
    std::int32_t showMistakes = 1;
    std::int32_t defaultBoardSize = 9;
    std::int32_t wordokuAssignmentType = 0;  // 0 random letters, 1 random word, 2 user letters
    std::string wordokuWordListPath;
    std::int32_t wordokuLocAssignmentType = 0;  // 0 random, 1 row, 2 column, 3 block
    std::int32_t wordokuLocationNbr = 1;
    std::int32_t retrieveOnlyClues = 1;
    std::int32_t autoLoadBoard = 1;
};

// Sets every field to its default, then reads the stored values in their fixed order.
void LoadViewSettings(SettingsStore& store, ViewSettings& settings);
// Writes all 23 values.
void SaveViewSettings(SettingsStore& store, const ViewSettings& settings);

// The ratios the Zoom menu offers, in percent.
inline constexpr int kZoomRatios[] = {50, 75, 100, 125, 150, 175, 200, 250, 300, 400};
// The offered ratio nearest to any number (the lower one on a tie).
int NearestZoomRatio(int ratio);
