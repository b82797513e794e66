#include "platform/SettingsStore.h"

#include <cstdio>

void SettingsStore::EnsureKey() {
    long errorCode = 0;
    if (platform_.Settings().EnsureKey(errorCode)) return;
    char text[160];
    std::snprintf(text, sizeof text, "Error Creating Branch %s !!!!! (%ld) ", kSettingsKeyPath,
                  errorCode);
    platform_.ShowMessage(text);
}

bool SettingsStore::ReadNumber(std::string_view name, std::int32_t& destination) {
    std::uint32_t value = 0;
    if (!platform_.Settings().ReadNumber(name, value)) return false;
    destination = static_cast<std::int32_t>(value);
    return true;
}

bool SettingsStore::ReadText(std::string_view name, std::string& destination) {
    std::string value;
    if (!platform_.Settings().ReadText(name, value) || value.size() > kSettingsTextLimit)
        return false;
    destination = std::move(value);
    return true;
}

bool SettingsStore::WriteNumber(std::string_view name, std::int32_t value) {
    return platform_.Settings().WriteNumber(name, static_cast<std::uint32_t>(value));
}

bool SettingsStore::WriteText(std::string_view name, std::string_view text) {
    return platform_.Settings().WriteText(name, text.substr(0, kSettingsTextLimit));
}
