#include "ui/WelcomeWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QVBoxLayout>

WelcomeWindow::WelcomeWindow(int tickMilliseconds) {
    setWindowTitle("Welcome to Raruduz 2.2");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel("Raruduz 2.2");
    QFont font("Arial", 36, QFont::Bold);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    auto* subtitle = new QLabel("Sudoku Workbench");
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    resize(420, 220);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (++elapsed_ >= kSecondsShown) close();
    });
    timer_.start(tickMilliseconds);
}

void WelcomeWindow::mousePressEvent(QMouseEvent*) {
    close();
}

void WelcomeWindow::closeEvent(QCloseEvent* event) {
    timer_.stop();
    QWidget::closeEvent(event);
    emit closed();
}

void ShowWelcomeWindow() {
    // The main window does not exist yet: closing this one must not end the program.
    const bool quitOnLastWindow = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    WelcomeWindow window;
    QEventLoop loop;
    QObject::connect(&window, &WelcomeWindow::closed, &loop, &QEventLoop::quit);
    window.show();
    loop.exec();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindow);
}
