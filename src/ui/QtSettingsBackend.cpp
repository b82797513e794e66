#include "ui/QtSettingsBackend.h"

#include <QSettings>
#include <QStringList>
#include <charconv>
#include <limits>

namespace {
QString Key(std::string_view name) {
    return QStringLiteral("Parameters/") + QString::fromUtf8(name.data(), name.size());
}

// A value written by hand without quotes may come back as a list when it holds commas.
QString PlainText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
    return value.toString();
}

// Access denied, as the registry reports a key that cannot be written.
constexpr long kAccessDenied = 5;
}  // namespace

QtSettingsBackend::QtSettingsBackend(const QString& iniFile)
    : settings_(iniFile.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                  "Duvere", "Raruduz")
                    : std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsBackend::~QtSettingsBackend() = default;

bool QtSettingsBackend::EnsureKey(long& errorCode) {
    settings_->sync();
    const bool usable = settings_->isWritable() && settings_->status() == QSettings::NoError;
    errorCode = usable ? 0 : kAccessDenied;
    return usable;
}

bool QtSettingsBackend::ReadNumber(std::string_view name, std::uint32_t& value) {
    const QVariant stored = settings_->value(Key(name));
    if (!stored.isValid()) return false;
    const std::string text = PlainText(stored).toStdString();
    long long number = 0;
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), last, number);
    if (text.empty() || error != std::errc() || stop != last ||
        number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::uint32_t>::max())
        return false;
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool QtSettingsBackend::ReadText(std::string_view name, std::string& value) {
    const QVariant stored = settings_->value(Key(name));
    if (!stored.isValid()) return false;
    value = PlainText(stored).toStdString();
    return true;
}

bool QtSettingsBackend::Write(std::string_view name, const QString& value) {
    settings_->setValue(Key(name), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool QtSettingsBackend::WriteNumber(std::string_view name, std::uint32_t value) {
    // Signed, so that a negative splitter offset reads back as itself.
    return Write(name, QString::number(static_cast<std::int32_t>(value)));
}

bool QtSettingsBackend::WriteText(std::string_view name, std::string_view value) {
    return Write(name, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}
