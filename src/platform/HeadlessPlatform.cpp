#include "platform/HeadlessPlatform.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
// The desktop program's per-user data folder, so that both programs share "BoardData.sbd".
std::filesystem::path UserDataFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data) return std::filesystem::path(data) / "Duvere" / "Raruduz";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::filesystem::path(home) / ".local/share/Duvere/Raruduz";
    return std::filesystem::current_path();
}
}  // namespace

HeadlessPlatform::HeadlessPlatform() {
    traceEnabled = std::getenv("RARUDUZ_TRACE") != nullptr;
    const char* home = std::getenv("RARUDUZ_HOME");
    programFolder = home && *home ? std::filesystem::path(home) : UserDataFolder();
}

std::string MessageLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    line += '\n';
    return line;
}

void HeadlessPlatform::ShowMessage(std::string_view text) {
    messages.emplace_back(text);
    if (messageSink)
        messageSink(MessageLine(text));
    else if (echoToStandardError) {
        const std::string line = MessageLine(text);
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
}

void HeadlessPlatform::Trace(std::string_view line) {
    if (traceSink) {
        traceSink(line);
        return;
    }
    // One write per line, so lines of boards solved on other threads do not mix.
    std::fwrite(line.data(), 1, line.size(), stderr);
}

bool HeadlessPlatform::AskOkCancel(std::string_view text, bool) {
    ShowMessage(text);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> HeadlessPlatform::ChooseFile(FileChoice,
                                                                  std::string_view title,
                                                                  const std::filesystem::path&,
                                                                  std::string_view) {
    fileChooserTitles.emplace_back(title);
    if (fileChoices.empty()) return std::nullopt;
    std::optional<std::filesystem::path> choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

std::optional<std::uint32_t> HeadlessPlatform::ChooseColour(std::uint32_t) {
    if (colourChoices.empty()) return std::nullopt;
    std::optional<std::uint32_t> choice = colourChoices.front();
    colourChoices.pop_front();
    return choice;
}

bool HeadlessPlatform::PumpMessages() {
    ++pumpNbr;
    if (onPump) onPump();
    return true;
}

std::uint32_t HeadlessPlatform::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t HeadlessPlatform::CalendarSeconds() {
    if (fixedCalendarSeconds) return *fixedCalendarSeconds;
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::filesystem::path HeadlessPlatform::ProgramFolder() {
    std::error_code error;
    std::filesystem::create_directories(programFolder, error);
    return programFolder;
}
