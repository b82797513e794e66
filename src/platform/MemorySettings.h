#pragma once
// A SettingsBackend held in memory: the store of tests and of raruduz-cli, which never writes the
// user's settings.

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "platform/Platform.h"

class MemorySettings : public SettingsBackend {
public:
    using Value = std::variant<std::uint32_t, std::string>;

    bool EnsureKey(long& errorCode) override;
    bool ReadNumber(std::string_view name, std::uint32_t& value) override;
    bool ReadText(std::string_view name, std::string& value) override;
    bool WriteNumber(std::string_view name, std::uint32_t value) override;
    bool WriteText(std::string_view name, std::string_view value) override;

    const std::map<std::string, Value, std::less<>>& Values() const { return values_; }
    // Makes every later write fail, as a store that cannot be written would.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

private:
    std::map<std::string, Value, std::less<>> values_;
    bool readOnly_ = false;
};
