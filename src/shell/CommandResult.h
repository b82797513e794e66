#pragma once
// What a command or an input did, for the window to show: it touches no widget itself.

#include <optional>
#include <string>
#include <utility>

struct CommandResult {
    bool refused = false;                 // not enabled in the current state: nothing was done
    std::optional<std::string> status;    // for status pane 0, restarting the countdown
    std::optional<std::string> timePane;  // for status pane 1
    bool redraw = false;
    bool snapshotTaken = false;
    bool historyReset = false;
    bool zoomChanged = false;
    bool closeWindow = false;
};

inline CommandResult Refused() {
    CommandResult result;
    result.refused = true;
    return result;
}
inline CommandResult Redrawn(bool redraw = true) {
    CommandResult result;
    result.redraw = redraw;
    return result;
}
inline CommandResult StatusAndRedraw(std::string status) {
    CommandResult result = Redrawn();
    result.status = std::move(status);
    return result;
}
