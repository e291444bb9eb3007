#include "display_check.h"
#include "main_window.h"
#include "qtgui/picture_loader.h"

#include <QApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Without this Qt would only say that it found no platform plugin.
    if (!gloob::hasGraphicalDisplay([](const char* name) { return std::getenv(name); })) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(gloob::noDisplayMessage.size()),
                     gloob::noDisplayMessage.data());
        return 1;
    }
    // A fractional scale would resample the court; whole factors keep its pixels sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gloob Volleyball"));

    try {
        gloob::MainWindow window;
        window.show();
        return QApplication::exec();
    } catch (const gloob::PictureError& error) {
        std::fprintf(stderr, "gloob: %s\n", error.what());
        return 1;
    }
}
