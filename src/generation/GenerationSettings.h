#pragma once
// The remembered generation: the level and style of the last generation command, which the
// "Default Generation" command repeats, and the technique of the last special generation.

#include <cstdint>
#include <string>

#include "platform/SettingsStore.h"

struct DefaultGeneration {
    std::int32_t level = 1;  // "Very Easy"
    std::int32_t style = 0;  // "Non Symetrical"
};

// The stored level and style; a missing or unusable value keeps its default.
DefaultGeneration ReadDefaultGeneration(SettingsStore& settings);
void StoreDefaultGeneration(SettingsStore& settings, int level, int style);
// "Default Generation: %s %s Board" with the level's and the style's texts.
std::string DefaultGenerationMenuText(const DefaultGeneration& generation);

// The technique identifier that special generation last searched for.
void StoreLastSolveTech(SettingsStore& settings, int techniqueId);
