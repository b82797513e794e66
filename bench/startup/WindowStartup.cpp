// Start-up time of the desktop program: from the start of main to the first paint of the main
// window, without the welcome window. Prints the milliseconds; run it several times for a median
// (bench/window_startup.sh).

#include <QApplication>
#include <chrono>
#include <cstdio>

#include "platform/SettingsStore.h"
#include "ui/MainDialog.h"
#include "ui/QtPlatform.h"

namespace {
const auto kStart = std::chrono::steady_clock::now();

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            (watched == window_ || window_->isAncestorOf(static_cast<QWidget*>(watched)))) {
            const auto elapsed = std::chrono::steady_clock::now() - kStart;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
};
}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Duvere");
    QApplication::setApplicationName("Raruduz");
    QtPlatform platform;
    SettingsStore store(platform);
    store.EnsureKey();
    MainDialog window(platform, store);
    FirstPaint firstPaint(&window);
    application.installEventFilter(&firstPaint);
    window.ShowPlaced();
    return QApplication::exec();
}
