// The desktop program: settings, the welcome window, then the main window until it closes. With
// --print-to it writes a puzzle sheet instead, without a window.

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/PrintToCommand.h"
#include "platform/SettingsStore.h"
#include "shell/DesktopArguments.h"
#include "ui/MainDialog.h"
#include "ui/QtPlatform.h"
#include "ui/WelcomeWindow.h"

namespace {
int UsageError(const std::string& error) {
    std::fprintf(stderr, "raruduz: %s\nTry 'raruduz --help'.\n", error.c_str());
    return 2;
}

// A sheet run prints its own messages only: Qt's notes about the session it runs in (no runtime
// folder, no display) are not the user's business there. Its critical errors still show.
void KeepQtCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

int PrintSheet(int argc, char* argv[], const DesktopArguments& arguments) {
    if (!arguments.error.empty()) return UsageError(arguments.error);
    qInstallMessageHandler(KeepQtCriticalMessages);
    // No display is needed, nor wanted: a sheet is drawn offscreen unless the user chose a
    // platform.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    return RunPrintTo(*arguments.printTo);
}
}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> given(argv + 1, argv + argc);
    // Help and sheets need no display; Qt's own options are read only by the desktop.
    const DesktopArguments early = ParseDesktopArguments(given);
    if (early.help) {
        std::fputs(kDesktopUsage, stdout);
        return 0;
    }
    if (IsPrintToRun(given)) return PrintSheet(argc, argv, early);

    QApplication application(argc, argv);
    QApplication::setOrganizationName("Duvere");
    QApplication::setApplicationName("Raruduz");
    // Lets the desktop match the window to its entry; the icon is the installed one when present.
    QApplication::setDesktopFileName("org.duvere.Raruduz");
    QApplication::setWindowIcon(QIcon::fromTheme("org.duvere.Raruduz", QIcon(":/icon.png")));
    const QStringList remaining = QCoreApplication::arguments().mid(1);
    std::vector<std::string> left;
    for (const QString& argument : remaining) left.push_back(argument.toStdString());
    const DesktopArguments arguments = ParseDesktopArguments(left);
    if (!arguments.error.empty()) return UsageError(arguments.error);

    QtPlatform platform;
    SettingsStore store(platform);
    store.EnsureKey();
    ShowWelcomeWindow();
    MainDialog window(platform, store);
    window.ShowPlaced();
    if (arguments.boardFile)
        QTimer::singleShot(0, &window,
                           [&window, &arguments] { window.OpenBoardFile(*arguments.boardFile); });
    return QApplication::exec();
}
