// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/version.h"
#include "command_line.h"
#include "display_check.h"
#include "display_failure.h"
#include "game_translations.h"
#include "main_window.h"
#include "qtgui/picture_loader.h"
#include "settings/game_settings.h"
#include "startup_timeline.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <variant>

namespace {

// The desktop's name for the game: its menu entry, icons and AppStream data.
constexpr char applicationId[] = GLOOB_APP_ID;

void printError(const QString& message) {
    std::fprintf(stderr, "gloob: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    gloob::markStartup("main");
    const auto commandLine = gloob::readGameCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&commandLine)) {
        return *status;
    }
    const gloob::LaunchOptions& options = std::get<gloob::LaunchOptions>(commandLine);

    // Without this Qt would only say that it found no platform plugin.
    if (!gloob::hasGraphicalDisplay([](const char* name) { return std::getenv(name); })) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(gloob::noDisplayMessage.size()),
                     gloob::noDisplayMessage.data());
        return 1;
    }
    // The court is repainted in small pieces 64 times a second. Sent with the
    // request they cost less than through shared memory, whose reuse makes
    // every frame wait for the X server to answer.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // A fractional scale would resample the court; whole factors keep its pixels sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // On X11 a window's class (WM_CLASS) is how the desktop finds its menu
    // entry (StartupWMClass): its first half comes from RESOURCE_NAME.
    qputenv("RESOURCE_NAME", applicationId);
    std::unique_ptr<QApplication> app;
    {
        const gloob::DisplayFailureGuard guard;
        app = std::make_unique<QApplication>(argc, argv);
    }
    gloob::markStartup("application");
    QApplication::setApplicationName(QStringLiteral("gloob"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(gloob::gameVersion.data(), gloob::gameVersion.size()));
    // Where settings and recordings live: ~/.config/gloob-volleyball/gloob.ini,
    // ~/.local/share/gloob-volleyball/gloob/replays.
    QApplication::setOrganizationName(QStringLiteral("gloob-volleyball"));
    // Wayland's app id.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(applicationId));
    // Every text of the window is made as it is built: the catalogue first.
    QString language;
    if (options.useSettings) {
        QSettings store(QSettings::IniFormat, QSettings::UserScope,
                        QCoreApplication::organizationName(), QCoreApplication::applicationName());
        language = gloob::chosenLanguage(store);
    }
    gloob::GameTranslations translations;
    translations.install(gloob::gameLocale(language));

    try {
        gloob::MainWindow window(options);
        gloob::markStartup("window");
        if (!window.startupError().isEmpty()) {
            printError(window.startupError());
            return 1;
        }
        // WM_CLASS's second half is the application's name when Qt makes its
        // first native window, kept for every later one; as the name also
        // places the settings and recordings, it is the id only meanwhile.
        QApplication::setApplicationName(QString::fromLatin1(applicationId));
        window.winId();
        QApplication::setApplicationName(QStringLiteral("gloob"));
        window.show();
        gloob::markStartup("shown");
        return QApplication::exec();
    } catch (const gloob::PictureError& error) {
        printError(QString::fromUtf8(error.what()));
        return 1;
    }
}
