#include "app/version.h"
#include "display_check.h"
#include "main_window.h"
#include "qtgui/picture_loader.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void printError(const QString& message) {
    std::fprintf(stderr, "gloob: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("gloob"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(gloob::gameVersion.data(), gloob::gameVersion.size()));
    // Where settings and recordings live: ~/.config/gloob-volleyball/gloob.ini,
    // ~/.local/share/gloob-volleyball/gloob/replays.
    QApplication::setOrganizationName(QStringLiteral("gloob-volleyball"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Volleyball for two players at one keyboard. Every game is recorded "
                       "in the replays folder unless --record names a file."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write the game's trace to FILE, in gloob-sim's format."),
        QStringLiteral("FILE"));
    const QCommandLineOption record(
        QStringLiteral("record"),
        QStringLiteral("Record the game to FILE, a script that gloob-sim replays."),
        QStringLiteral("FILE"));
    const QCommandLineOption replay(QStringLiteral("replay"),
                                    QStringLiteral("Watch the recording FILE."),
                                    QStringLiteral("FILE"));
    parser.addOptions({trace, record, replay});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        printError(QStringLiteral("unexpected argument '%1'; try 'gloob --help'")
                       .arg(parser.positionalArguments().first()));
        return 2;
    }

    gloob::LaunchOptions options;
    options.tracePath = parser.value(trace).toStdString();
    options.recordPath = parser.value(record).toStdString();
    options.replayPath = parser.value(replay).toStdString();
    options.keepRecordings = options.recordPath.empty();
    options.useSettings = true;
    options.usePads = true;
    options.useSound = true;

    try {
        gloob::MainWindow window(options);
        if (!window.startupError().isEmpty()) {
            printError(window.startupError());
            return 1;
        }
        window.show();
        return QApplication::exec();
    } catch (const gloob::PictureError& error) {
        printError(QString::fromUtf8(error.what()));
        return 1;
    }
}
