#pragma once
// The two panes of the status line and the countdown that blanks pane 0 ten ticks (seconds)
// after each status text.

#include <string>
#include <utility>

class StatusLine {
public:
    static constexpr int kCountdown = 10;

    // Pane 0, restarting the countdown.
    void Write(std::string status) {
        status_ = std::move(status);
        countdown_ = kCountdown;
    }
    void WriteTime(std::string text) { time_ = std::move(text); }
    // One tick of the status timer; true when pane 0 was blanked.
    bool Tick();

    const std::string& status() const { return status_; }
    const std::string& time() const { return time_; }
    int countdown() const { return countdown_; }

private:
    std::string status_ = " ";
    std::string time_ = " ";
    int countdown_ = 0;
};
