// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "command_line.h"

#include "app/version.h"

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

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Gloob Volleyball: volleyball for two players at one keyboard. Every "
                       "game is recorded in the replays folder unless --record names a file."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the game's version and exit."));
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
    parser.addOptions({help, version, trace, record, replay});

    const bool understood = parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!understood) {
        printError(parser.errorText() + QStringLiteral(" Try 'gloob --help'."));
        return exitUsage;
    }
    if (parser.isSet(version)) {
        std::printf("gloob %.*s\n", static_cast<int>(gameVersion.size()), gameVersion.data());
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        printError(QStringLiteral("unexpected argument '%1'. Try 'gloob --help'.")
                       .arg(parser.positionalArguments().first()));
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
    return options;
}

} // namespace gloob
