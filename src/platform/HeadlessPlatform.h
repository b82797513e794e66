#pragma once
// The platform without a window: messages are recorded (and, for raruduz-cli, echoed to standard
// error), questions are answered from a queue, the clipboard and the clock can be set by tests.
// The trace, when on, is written to standard error line by line.

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/MemorySettings.h"
#include "platform/Platform.h"

// A message as one line of standard error: its line breaks become spaces, and one ends it.
std::string MessageLine(std::string_view text);

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();

    void ShowMessage(std::string_view text) override;
    bool AskOkCancel(std::string_view text, bool warningIcon) override;
    void Beep() override { ++beepNbr; }
    void BeginBusyCursor() override { ++busyDepth; }
    void EndBusyCursor() override { --busyDepth; }
    bool PumpMessages() override;
    std::uint32_t TickCount() override;
    std::int64_t CalendarSeconds() override;
    bool TraceEnabled() const override { return traceEnabled; }
    void Trace(std::string_view line) override;
    std::string ClipboardText() override { return clipboardText; }
    std::optional<std::filesystem::path> ChooseFile(FileChoice kind, std::string_view title,
                                                    const std::filesystem::path& start,
                                                    std::string_view filter) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t initial) override;
    std::filesystem::path ProgramFolder() override;
    SettingsBackend& Settings() override { return settings; }

    // Every message and question shown, in order.
    std::vector<std::string> messages;
    // Answers to AskOkCancel, taken from the front; an empty queue answers OK.
    std::deque<bool> answers;
    // Write each message to standard error as one line (line breaks become spaces).
    bool echoToStandardError = false;
    // When set, takes each message's line instead of standard error (a worker thread's messages
    // wait there for their turn).
    std::function<void(const std::string& line)> messageSink;
    // Answers to the choosers, taken from the front; an empty queue answers Cancel.
    std::deque<std::optional<std::filesystem::path>> fileChoices;
    std::deque<std::optional<std::uint32_t>> colourChoices;
    // The title of every file chooser opened, in order.
    std::vector<std::string> fileChooserTitles;
    int beepNbr = 0;
    int busyDepth = 0;
    bool traceEnabled = false;
    // Where trace lines go as they come, nothing kept: this when set, else standard error.
    std::function<void(std::string_view line)> traceSink;
    std::string clipboardText;
    // When set, CalendarSeconds() answers this instead of the clock (raruduz-cli --seed).
    std::optional<std::int64_t> fixedCalendarSeconds;
    // Called by PumpMessages: lets a test act "from the user interface" while a solve runs.
    std::function<void()> onPump;
    int pumpNbr = 0;
    // Defaults to $RARUDUZ_HOME, else the desktop program's per-user data folder.
    std::filesystem::path programFolder;
    MemorySettings settings;
};
