#pragma once
// The window shown while the program starts: it closes itself 6 seconds after it opened, or at
// the first click in it.

#include <QTimer>
#include <QWidget>

class WelcomeWindow : public QWidget {
    Q_OBJECT
public:
    // tickMilliseconds: the interval of the timer that counts the seconds.
    explicit WelcomeWindow(int tickMilliseconds = 1000);

    static constexpr int kSecondsShown = 6;

signals:
    void closed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer timer_;
    int elapsed_ = 0;
};

// Shows the welcome window and returns once it has closed, running events meanwhile.
void ShowWelcomeWindow();
