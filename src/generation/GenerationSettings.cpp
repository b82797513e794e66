#include "generation/GenerationSettings.h"

#include "engine/BoardLevel.h"
#include "generation/GenerationStyle.h"
#include "platform/SettingsNames.h"

DefaultGeneration ReadDefaultGeneration(SettingsStore& settings) {
    DefaultGeneration generation;
    std::int32_t value = 0;
    // Only levels and styles a generation command can ask for are taken back.
    if (settings.ReadNumber(kDefautGenerationLevel, value) && value >= VeryEasy &&
        value <= Fiendish)
        generation.level = value;
    if (settings.ReadNumber(kDefautGenerationStyle, value) &&
        (value == NonSymmetricalStyle || value == SymmetricalStyle))
        generation.style = value;
    return generation;
}

void StoreDefaultGeneration(SettingsStore& settings, int level, int style) {
    settings.WriteNumber(kDefautGenerationLevel, level);
    settings.WriteNumber(kDefautGenerationStyle, style);
}

std::string DefaultGenerationMenuText(const DefaultGeneration& generation) {
    const char* style = generation.style >= 0 && generation.style <= PatternBasedStyle
                            ? kGenerationStyleTexts[generation.style]
                            : kGenerationStyleTexts[NonSymmetricalStyle];
    return std::string("Default Generation: ") + LevelName(generation.level) + " " + style +
           " Board";
}

void StoreLastSolveTech(SettingsStore& settings, int techniqueId) {
    settings.WriteNumber(kLastSolveTech, techniqueId);
}
