#pragma once
// The settings store on QSettings: organisation "Duvere", application "Raruduz", group
// "Parameters" (the registry key on Windows, the native config file elsewhere), or an ini file in
// a given folder. Values are kept as plain text, so a number is any value that reads whole as a
// 32-bit decimal number, and every value reads as a text.

#include <QString>
#include <memory>

#include "platform/Platform.h"

class QSettings;

class QtSettingsBackend : public SettingsBackend {
public:
    // An empty file name uses the native store.
    explicit QtSettingsBackend(const QString& iniFile = QString());
    ~QtSettingsBackend() override;

    bool EnsureKey(long& errorCode) override;
    bool ReadNumber(std::string_view name, std::uint32_t& value) override;
    bool ReadText(std::string_view name, std::string& value) override;
    bool WriteNumber(std::string_view name, std::uint32_t value) override;
    bool WriteText(std::string_view name, std::string_view value) override;

private:
    bool Write(std::string_view name, const QString& value);
    std::unique_ptr<QSettings> settings_;
};
