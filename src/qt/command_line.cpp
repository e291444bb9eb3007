// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "command_line.h"

#include "app/version.h"
#include "game_translations.h"
#include "lobby/lobby_client.h"
#include "net/handshake.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace gloob {

namespace {

void printError(const QString& message) {
    std::fprintf(stderr, "gloob: %s\n", qPrintable(message));
}

} // namespace

std::variant<LaunchOptions, int> readGameCommandLine(int argc, char* argv[]) {
    // A core application gives the parser the program's name and arguments
    // and opens nothing; the game's own application comes once this one is gone.
    const QCoreApplication commandLineOnly(argc, argv);
    GameTranslations translations;
    translations.install(gameLocale({}));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Gloob Volleyball: volleyball for two players at one keyboard. Every "
                       "game is recorded in the replays folder unless --record names a file."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the game's version and exit."));
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QCoreApplication::translate("CommandLine",
                                    "Write the game's trace to FILE, in gloob-sim's format."),
        QStringLiteral("FILE"));
    const QCommandLineOption record(
        QStringLiteral("record"),
        QCoreApplication::translate("CommandLine",
                                    "Record the game to FILE, a script that gloob-sim replays."),
        QStringLiteral("FILE"));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QCoreApplication::translate("CommandLine", "Watch the recording FILE."),
        QStringLiteral("FILE"));
    const QCommandLineOption host(
        QStringLiteral("host"),
        QCoreApplication::translate(
            "CommandLine", "Host an online match and play player 1; the other player joins this "
                           "machine at UDP port PORT (%1 unless given).")
            .arg(net::defaultPort));
    const QCommandLineOption join(
        QStringLiteral("join"),
        QCoreApplication::translate("CommandLine",
                                    "Join the online match hosted at ADDRESS and play player 2."),
        QStringLiteral("ADDRESS[:PORT]"));
    const QCommandLineOption lobbyOption(
        QStringLiteral("lobby"),
        QCoreApplication::translate(
            "CommandLine", "Open the online lobby at ADDRESS (a domain, localhost or an IPv4 "
                           "address) and sign in under the name kept from the last time."),
        QStringLiteral("ADDRESS[:PORT]"));
    parser.addOptions({help, version, trace, record, replay, host, join, lobbyOption});
    parser.addPositionalArgument(
        QStringLiteral("PORT"),
        QCoreApplication::translate("CommandLine", "With --host: the port."),
        QStringLiteral("[PORT]"));

    const bool understood = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!understood) {
        printError(parser.errorText() +
                   QCoreApplication::translate("CommandLine", " Try 'gloob --help'."));
        return exitUsage;
    }
    if (parser.isSet(version)) {
        std::printf("gloob %.*s\n", static_cast<int>(gameVersion.size()), gameVersion.data());
        return 0;
    }
    QStringList positional = parser.positionalArguments();
    std::optional<std::uint16_t> hostPort;
    if (parser.isSet(host)) {
        hostPort = net::defaultPort;
        if (!positional.isEmpty()) {
            bool ok = false;
            const uint port = positional.takeFirst().toUInt(&ok);
            if (!ok || port == 0 || port > 65535) {
                printError(QCoreApplication::translate("CommandLine",
                                                       "--host takes a port from 1 to 65535."));
                return exitUsage;
            }
            hostPort = static_cast<std::uint16_t>(port);
        }
    }
    if (parser.isSet(join) &&
        (hostPort || !net::parseHostAddress(parser.value(join).toStdString()))) {
        printError(hostPort ? QCoreApplication::translate("CommandLine",
                                                          "--host and --join exclude each other.")
                            : QCoreApplication::translate(
                                  "CommandLine", "--join takes a host name or IPv4 address, then "
                                                 "':' and a port unless it is %1.")
                                  .arg(net::defaultPort));
        return exitUsage;
    }
    if (parser.isSet(lobbyOption) &&
        !lobby::parseLobbyAddress(parser.value(lobbyOption).toStdString())) {
        printError(QCoreApplication::translate(
                       "CommandLine", "--lobby takes a domain, localhost or an IPv4 address, then "
                                      "':' and a port unless it is %1.")
                       .arg(lobby::defaultLobbyPort));
        return exitUsage;
    }
    if (!positional.isEmpty()) {
        printError(QCoreApplication::translate("CommandLine",
                                               "unexpected argument '%1'. Try 'gloob --help'.")
                       .arg(positional.first()));
        return exitUsage;
    }

    LaunchOptions options;
    options.tracePath = parser.value(trace).toStdString();
    options.recordPath = parser.value(record).toStdString();
    options.replayPath = parser.value(replay).toStdString();
    options.keepRecordings = options.recordPath.empty();
    options.useSettings = true;
    options.usePads = true;
    options.useSound = true;
    options.hostPort = hostPort;
    options.joinAddress = parser.value(join).toStdString();
    options.lobbyAddress = parser.value(lobbyOption).toStdString();
    return options;
}

} // namespace gloob
