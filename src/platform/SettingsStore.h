#pragma once
// The per-user settings: numbers and texts under fixed value names. Every read leaves the
// caller's value in place when the stored one is missing, of the other kind or too long.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Platform.h"

// Texts are stored with at most this many characters; a longer stored text is not read.
inline constexpr std::size_t kSettingsTextLimit = 499;

class SettingsStore {
public:
    SettingsStore(Platform& platform) : platform_(platform) {}

    // Makes sure the settings can be written; tells the user when they cannot and carries on.
    void EnsureKey();
    bool ReadNumber(std::string_view name, std::int32_t& destination);
    bool ReadText(std::string_view name, std::string& destination);
    bool WriteNumber(std::string_view name, std::int32_t value);
    // Stores at most the first 499 characters of the text.
    bool WriteText(std::string_view name, std::string_view text);

private:
    Platform& platform_;
};

// The settings key, as it is named in messages.
inline constexpr char kSettingsKeyPath[] = "Software\\Duvere\\Raruduz\\Parameters";
