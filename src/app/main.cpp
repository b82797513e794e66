// The desktop program: settings, the welcome window, then the main window until it closes.

#include <QApplication>
#include <QIcon>

#include "platform/SettingsStore.h"
#include "ui/MainDialog.h"
#include "ui/QtPlatform.h"
#include "ui/WelcomeWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Duvere");
    QApplication::setApplicationName("Raruduz");
    // Lets the desktop match the window to its entry; the icon is the installed one when present.
    QApplication::setDesktopFileName("org.duvere.Raruduz");
    QApplication::setWindowIcon(QIcon::fromTheme("org.duvere.Raruduz", QIcon(":/icon.png")));
    QtPlatform platform;
    SettingsStore store(platform);
    store.EnsureKey();
    ShowWelcomeWindow();
    MainDialog window(platform, store);
    window.ShowPlaced();
    return QApplication::exec();
}
