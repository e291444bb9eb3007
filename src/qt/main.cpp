#include "app/version.h"
#include "display_check.h"
#include "main_window.h"
#include "net/handshake.h"
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
    const QCommandLineOption host(
        QStringLiteral("host"),
        QStringLiteral("Host an online match and play player 1; the other player joins this "
                       "machine at UDP port PORT (%1 unless given).")
            .arg(gloob::net::defaultPort));
    const QCommandLineOption join(
        QStringLiteral("join"),
        QStringLiteral("Join the online match hosted at ADDRESS and play player 2."),
        QStringLiteral("ADDRESS[:PORT]"));
    parser.addOptions({trace, record, replay, host, join});
    parser.addPositionalArgument(QStringLiteral("PORT"), QStringLiteral("With --host: the port."),
                                 QStringLiteral("[PORT]"));
    parser.process(app);
    QStringList positional = parser.positionalArguments();
    std::optional<std::uint16_t> hostPort;
    if (parser.isSet(host)) {
        hostPort = gloob::net::defaultPort;
        if (!positional.isEmpty()) {
            bool ok = false;
            const uint port = positional.takeFirst().toUInt(&ok);
            if (!ok || port == 0 || port > 65535) {
                printError(QStringLiteral("--host takes a port from 1 to 65535"));
                return 2;
            }
            hostPort = static_cast<std::uint16_t>(port);
        }
    }
    if (parser.isSet(join) &&
        (hostPort || !gloob::net::parseHostAddress(parser.value(join).toStdString()))) {
        printError(hostPort ? QStringLiteral("--host and --join exclude each other")
                            : QStringLiteral("--join takes a host name or IPv4 address, then "
                                             "':' and a port unless it is %1")
                                  .arg(gloob::net::defaultPort));
        return 2;
    }
    if (!positional.isEmpty()) {
        printError(
            QStringLiteral("unexpected argument '%1'; try 'gloob --help'").arg(positional.first()));
        return 2;
    }

    gloob::LaunchOptions options;
    options.tracePath = parser.value(trace).toStdString();
    options.recordPath = parser.value(record).toStdString();
    options.replayPath = parser.value(replay).toStdString();
    options.keepRecordings = options.recordPath.empty();
    options.useSettings = true;
    options.usePads = true;
    options.hostPort = hostPort;
    options.joinAddress = parser.value(join).toStdString();

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
