#pragma once
// What the engine asks of the desktop. The desktop program implements it with Qt; tests and
// raruduz-cli use HeadlessPlatform. It is handed by reference to whatever needs it, never global.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What a file chooser asks for: a file to read, a file to write (the chooser itself does not
// question an existing name; the caller does), or a folder.
enum class FileChoice { Open, Save, Folder };

// A per-user key/value store holding numbers and texts under value names. Reads leave the
// destination untouched and return false when the value is missing or of the other kind.
class SettingsBackend {
public:
    virtual ~SettingsBackend() = default;
    // Makes sure the store can be written; false (with a platform error code) when it cannot.
    virtual bool EnsureKey(long& errorCode) = 0;
    virtual bool ReadNumber(std::string_view name, std::uint32_t& value) = 0;
    virtual bool ReadText(std::string_view name, std::string& value) = 0;
    virtual bool WriteNumber(std::string_view name, std::uint32_t value) = 0;
    virtual bool WriteText(std::string_view name, std::string_view value) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with an OK button; returns when the user has answered.
    virtual void ShowMessage(std::string_view text) = 0;
    // A modal OK/Cancel question; true for OK.
    virtual bool AskOkCancel(std::string_view text, bool warningIcon) = 0;
    virtual void Beep() = 0;
    virtual void BeginBusyCursor() = 0;
    virtual void EndBusyCursor() = 0;
    // Lets pending user-interface events run (so a stop command can act). Returns false when the
    // application was asked to quit; the request is kept and acted on after the caller finishes.
    virtual bool PumpMessages() = 0;
    // Milliseconds from a steady clock.
    virtual std::uint32_t TickCount() = 0;
    // Calendar time in seconds.
    virtual std::int64_t CalendarSeconds() = 0;
    // The debugger trace; callers test TraceEnabled() before formatting a line.
    virtual bool TraceEnabled() const = 0;
    virtual void Trace(std::string_view line) = 0;
    virtual std::string ClipboardText() = 0;
    // A modal file or folder chooser starting at `start`; `filter` in the form
    // "Text Files (*.txt);;All Files (*)". Nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(FileChoice kind, std::string_view title,
                                                            const std::filesystem::path& start,
                                                            std::string_view filter) = 0;
    // A modal colour chooser; colours are 0x00BBGGRR. Nothing when cancelled.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) = 0;
    // Where "BoardData.sbd" and the text reports live; created when missing.
    virtual std::filesystem::path ProgramFolder() = 0;
    virtual SettingsBackend& Settings() = 0;
};

// Shows the busy cursor for the lifetime of the guard.
class BusyCursor {
public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.BeginBusyCursor(); }
    ~BusyCursor() { platform_.EndBusyCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Platform& platform_;
};
