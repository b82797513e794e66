// The desktop program: settings, the welcome window, then the main window until it closes.

#include <QApplication>

#include "platform/SettingsStore.h"
#include "ui/MainDialog.h"
#include "ui/QtPlatform.h"
#include "ui/WelcomeWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Duvere");
    QApplication::setApplicationName("Raruduz");
    QtPlatform platform;
    SettingsStore store(platform);
    store.EnsureKey();
    ShowWelcomeWindow();
    MainDialog window(platform, store);
    window.ShowPlaced();
    return QApplication::exec();
}
