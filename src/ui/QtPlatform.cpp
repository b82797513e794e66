#include "ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {
constexpr auto kPumpInterval = std::chrono::milliseconds(20);

std::filesystem::path ChooseProgramFolder() {
    const QByteArray home = qgetenv("RARUDUZ_HOME");
    if (!home.isEmpty()) return std::filesystem::path(home.toStdString());
    // The application's data folder, named here so that it never depends on the names the
    // application object was given.
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                   .toStdString()) /
           "Duvere" / "Raruduz";
}

QString SettingsFile() {
    const QByteArray home = qgetenv("RARUDUZ_HOME");
    return home.isEmpty() ? QString() : QDir(QString::fromLocal8Bit(home)).filePath("Raruduz.ini");
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QtPlatform::QtPlatform()
    : programFolder_(ChooseProgramFolder()),
      settings_(SettingsFile()),
      traceEnabled_(std::getenv("RARUDUZ_TRACE") != nullptr) {
    qApp->installEventFilter(this);
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, "Raruduz", Text(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::AskOkCancel(std::string_view text, bool warningIcon) {
    QMessageBox box(warningIcon ? QMessageBox::Warning : QMessageBox::Question, "Raruduz",
                    Text(text), QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Ok;
}

void QtPlatform::Beep() {
    QApplication::beep();
}
void QtPlatform::BeginBusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
void QtPlatform::EndBusyCursor() {
    QApplication::restoreOverrideCursor();
}

bool QtPlatform::PumpMessages() {
    const auto now = std::chrono::steady_clock::now();
    if (now - lastPump_ >= kPumpInterval) {
        lastPump_ = now;
        ++pumpDepth_;
        QCoreApplication::processEvents();
        --pumpDepth_;
    }
    return !quitRequested_;
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
    if (watched != qApp || event->type() != QEvent::Quit) return false;
    if (pumpDepth_ == 0) {
        quitRequested_ = false;
        return false;
    }
    // Quitting from inside a running search would unwind nothing; the posted copy arrives at a
    // later pump (and is posted again) or, once the search is over, in the main loop.
    quitRequested_ = true;
    QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    return true;
}

std::uint32_t QtPlatform::TickCount() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t QtPlatform::CalendarSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void QtPlatform::Trace(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string QtPlatform::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

std::optional<std::filesystem::path> QtPlatform::ChooseFile(FileChoice kind, std::string_view title,
                                                            const std::filesystem::path& start,
                                                            std::string_view filter) {
    QWidget* parent = QApplication::activeWindow();
    const QString startText = QString::fromStdString(start.string());
    QString chosen;
    switch (kind) {
        case FileChoice::Open:
            chosen = QFileDialog::getOpenFileName(parent, Text(title), startText, Text(filter));
            break;
        case FileChoice::Save:
            // The caller asks its own overwrite question, in the program's words.
            chosen = QFileDialog::getSaveFileName(parent, Text(title), startText, Text(filter),
                                                  nullptr, QFileDialog::DontConfirmOverwrite);
            break;
        case FileChoice::Folder:
            chosen = QFileDialog::getExistingDirectory(parent, Text(title), startText);
            break;
    }
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
}

std::optional<std::uint32_t> QtPlatform::ChooseColour(std::uint32_t initial) {
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red() | chosen.green() << 8 | chosen.blue() << 16);
}

std::filesystem::path QtPlatform::ProgramFolder() {
    std::error_code error;
    std::filesystem::create_directories(programFolder_, error);
    return programFolder_;
}
