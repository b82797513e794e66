#pragma once
// A headless platform whose settings are QSettings on a given ini file, as the desktop keeps them.

#include <QString>

#include "platform/HeadlessPlatform.h"
#include "ui/QtSettingsBackend.h"

class FilePlatform : public HeadlessPlatform {
public:
    explicit FilePlatform(const QString& file) : backend_(file) {}
    SettingsBackend& Settings() override { return backend_; }

private:
    QtSettingsBackend backend_;
};
