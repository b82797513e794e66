#pragma once
// The platform of the desktop program: Qt message boxes, cursor, clipboard and event pump, the
// program folder and the QSettings store.

#include <QObject>
#include <chrono>

#include "platform/Platform.h"
#include "ui/QtSettingsBackend.h"

class QtPlatform : public QObject, public Platform {
    Q_OBJECT
public:
    // The program folder is $RARUDUZ_HOME when set, else the per-user data folder; the settings
    // are an ini file in $RARUDUZ_HOME when set, else the native store.
    QtPlatform();
    ~QtPlatform() override;

    void ShowMessage(std::string_view text) override;
    bool AskOkCancel(std::string_view text, bool warningIcon) override;
    void Beep() override;
    void BeginBusyCursor() override;
    void EndBusyCursor() override;
    // Runs pending events at most every 20 ms, so a search calling it at every node is not
    // slowed. A quit request arriving meanwhile is posted again, to be acted on once the caller
    // has finished; false from then on.
    bool PumpMessages() override;
    std::uint32_t TickCount() override;
    std::int64_t CalendarSeconds() override;
    bool TraceEnabled() const override { return traceEnabled_; }
    void Trace(std::string_view line) override;
    std::string ClipboardText() override;
    std::optional<std::filesystem::path> ChooseFile(FileChoice kind, std::string_view title,
                                                    const std::filesystem::path& start,
                                                    std::string_view filter) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::filesystem::path ProgramFolder() override;
    SettingsBackend& Settings() override { return settings_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::filesystem::path programFolder_;
    QtSettingsBackend settings_;
    bool traceEnabled_ = false;
    int pumpDepth_ = 0;
    bool quitRequested_ = false;
    std::chrono::steady_clock::time_point lastPump_{};
};
