#pragma once
// How the generator removes clues: single cells, or pairs symmetric about the centre.

#include <array>
#include <cstdint>

enum GenerationStyle : std::int32_t {
    NonSymmetricalStyle = 0,
    SymmetricalStyle = 1,
    PatternBasedStyle = 2,  // no command asks for it; the generator then removes nothing
};

// Indexed by GenerationStyle.
inline constexpr std::array<const char*, 3> kGenerationStyleTexts = {"Non Symetrical", "Symetrical",
                                                                     "Patterm-Based"};
