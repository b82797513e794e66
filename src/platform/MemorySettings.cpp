#include "platform/MemorySettings.h"

bool MemorySettings::EnsureKey(long& errorCode) {
    errorCode = readOnly_ ? 5 : 0;  // 5: access denied, as the registry reports it
    return !readOnly_;
}

bool MemorySettings::ReadNumber(std::string_view name, std::uint32_t& value) {
    auto it = values_.find(name);
    if (it == values_.end() || !std::holds_alternative<std::uint32_t>(it->second)) return false;
    value = std::get<std::uint32_t>(it->second);
    return true;
}

bool MemorySettings::ReadText(std::string_view name, std::string& value) {
    auto it = values_.find(name);
    if (it == values_.end() || !std::holds_alternative<std::string>(it->second)) return false;
    value = std::get<std::string>(it->second);
    return true;
}

bool MemorySettings::WriteNumber(std::string_view name, std::uint32_t value) {
    if (readOnly_) return false;
    values_.insert_or_assign(std::string(name), value);
    return true;
}

bool MemorySettings::WriteText(std::string_view name, std::string_view value) {
    if (readOnly_) return false;
    values_.insert_or_assign(std::string(name), std::string(value));
    return true;
}
