#include "shell/ViewSettings.h"

#include <cstdlib>
#include <optional>
#include <variant>

#include "platform/SettingsStore.h"
#include "platform/SettingsNames.h"

namespace {
using NumberField = std::int32_t ViewSettings::*;
using ColourField = std::uint32_t ViewSettings::*;
using TextField = std::string ViewSettings::*;

// What a stored number becomes in the record; nothing keeps the default. A store edited by hand
// or written by another program must not put the view out of its range.
using Accept = std::optional<std::int32_t> (*)(std::int32_t);

std::optional<std::int32_t> Flag(std::int32_t value) {
    return value == 0 || value == 1 ? std::optional(value) : std::nullopt;
}
std::optional<std::int32_t> Zoom(std::int32_t value) {
    return NearestZoomRatio(value);
}
std::optional<std::int32_t> BoardSize(std::int32_t value) {
    return value == 9 || value == 16 ? std::optional(value) : std::nullopt;
}
std::optional<std::int32_t> AssignmentType(std::int32_t value) {
    return value >= 0 && value <= 2 ? std::optional(value) : std::nullopt;
}
std::optional<std::int32_t> LocationType(std::int32_t value) {
    return value >= 0 && value <= 3 ? std::optional(value) : std::nullopt;
}
std::optional<std::int32_t> LocationNumber(std::int32_t value) {
    return value >= 1 && value <= 16 ? std::optional(value) : std::nullopt;
}

struct StoredField {
    const char* name;
    std::variant<NumberField, ColourField, TextField> member;
    Accept accept;
};

// The persisted values in their load order.
const StoredField kStoredFields[] = {
    {"ViewMode", &ViewSettings::viewMode, Flag},
    {"ZoomRatio", &ViewSettings::zoomRatio, Zoom},
    {"BackgroundColour", &ViewSettings::backgroundColour, nullptr},
    {"BlockColour", &ViewSettings::blockColour, nullptr},
    {"BlockAltColour", &ViewSettings::blockAltColour, nullptr},
    {"CluesColour", &ViewSettings::cluesColour, nullptr},
    {"GivensColour", &ViewSettings::givensColour, nullptr},
    {"MarkColour", &ViewSettings::markColour, nullptr},
    {"MarkAltColour", &ViewSettings::markAltColour, nullptr},
    {"MistakesColour", &ViewSettings::mistakesColour, nullptr},
    {"HighLightColour", &ViewSettings::highLightColour, nullptr},
    {"AlternateColour", &ViewSettings::alternateColour, Flag},
    {"UseDefaultBkgColor", &ViewSettings::useDefaultBkgColor, Flag},
    {"ShowHelper", &ViewSettings::showHelper, Flag},
    {"ShowPencilMarksSetMode", &ViewSettings::showPencilMarksSetMode, Flag},
    {"ShowMistakes", &ViewSettings::showMistakes, Flag},
    {kDefaultBoardSize, &ViewSettings::defaultBoardSize, BoardSize},
    {"WordokuAssignmentType", &ViewSettings::wordokuAssignmentType, AssignmentType},
    {"WordokuWordListPath", &ViewSettings::wordokuWordListPath, nullptr},
    {"WordokuLocAssignmentType", &ViewSettings::wordokuLocAssignmentType, LocationType},
    {"WordokuLocationNbr", &ViewSettings::wordokuLocationNbr, LocationNumber},
    {"RetrieveOnlyClues", &ViewSettings::retrieveOnlyClues, Flag},
    {"AutoLoadBoard", &ViewSettings::autoLoadBoard, Flag},
};

// Colours keep the 0x00BBGGRR layout: a top byte set by another program is dropped.
constexpr std::uint32_t kColourMask = 0x00FFFFFF;
}  // namespace

int NearestZoomRatio(int ratio) {
    int nearest = kZoomRatios[0];
    for (int offered : kZoomRatios)
        if (std::abs(static_cast<long>(offered) - ratio) <
            std::abs(static_cast<long>(nearest) - ratio))
            nearest = offered;
    return nearest;
}

void LoadViewSettings(SettingsStore& store, ViewSettings& settings) {
    settings = ViewSettings{};
    for (const StoredField& field : kStoredFields) {
        if (const auto* text = std::get_if<TextField>(&field.member)) {
            store.ReadText(field.name, settings.*(*text));
            continue;
        }
        std::int32_t stored = 0;
        if (!store.ReadNumber(field.name, stored)) continue;
        if (const auto* colour = std::get_if<ColourField>(&field.member)) {
            settings.*(*colour) = static_cast<std::uint32_t>(stored) & kColourMask;
        } else if (const auto accepted = field.accept(stored)) {
            settings.*std::get<NumberField>(field.member) = *accepted;
        }
    }
}

void SaveViewSettings(SettingsStore& store, const ViewSettings& settings) {
    for (const StoredField& field : kStoredFields) {
        if (const auto* text = std::get_if<TextField>(&field.member))
            store.WriteText(field.name, settings.*(*text));
        else if (const auto* colour = std::get_if<ColourField>(&field.member))
            store.WriteNumber(field.name, static_cast<std::int32_t>(settings.*(*colour)));
        else
            store.WriteNumber(field.name, settings.*std::get<NumberField>(field.member));
    }
}
