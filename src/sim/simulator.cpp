// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "simulator.h"

#include "app/heartbeat.h"
#include "app/version.h"
#include "bot/computer_player.h"
#include "lobby/lan.h"
#include "lobby/lobby_text.h"
#include "lobby_run.h"
#include "net/protocol.h"
#include "online_run.h"
#include "program/program_player.h"
#include "qtgui/picture_loader.h"
#include "qtgui/qt_text_rasteriser.h"
#include "run_setup.h"
#include "script/script_source.h"
#include "script/trace_writer.h"
#include "traversal/endpoint.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace gloob::sim {

namespace {

constexpr std::string_view programName = "gloob-sim";
// A path is shown whole up to the length of any real one.
constexpr std::size_t shownPathBytes = 256;

QtMessageHandler qtMessageHandler = nullptr;

// Qt's warnings speak of the machine, not of the game (no runtime folder,
// say): the simulator's standard error carries its own messages only.
void onlyQtErrors(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtMessageHandler != nullptr) {
        qtMessageHandler(type, context, message);
    }
}

// The first write that fails ends the run: the trace is lost from there on,
// and a full disk is not to be written to for hours.
class StopAtFirstFailedWrite {
public:
    explicit StopAtFirstFailedWrite(std::ostream& out) : out_(out), previous_(out.exceptions()) {
        out_.exceptions(std::ios::badbit | std::ios::failbit);
    }
    StopAtFirstFailedWrite(const StopAtFirstFailedWrite&) = delete;
    StopAtFirstFailedWrite& operator=(const StopAtFirstFailedWrite&) = delete;
    ~StopAtFirstFailedWrite() {
        try {
            out_.exceptions(previous_);
        } catch (const std::ios::failure&) {
            // The caller's own mask wants the failure reported: the state says it.
        }
    }

private:
    std::ostream& out_;
    std::ios::iostate previous_;
};

// "USER:PASSWORD@ADDRESS[:PORT]": the user may hold ':' (a relay's
// passwords of a shared secret are named "expiry:who"), the password not.
std::optional<LobbyOptions::Relay> parseRelay(std::string_view text) {
    const std::size_t at = text.rfind('@');
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view credentials = text.substr(0, at);
    const std::string_view server = text.substr(at + 1);
    const std::size_t colon = credentials.rfind(':');
    const auto where = server.find(':') == std::string_view::npos
                           ? traversal::parseEndpoint(server, traversal::stunPort)
                           : traversal::parseEndpoint(server);
    if (colon == std::string_view::npos || colon == 0 || colon + 1 == credentials.size() ||
        !where) {
        return std::nullopt;
    }
    return LobbyOptions::Relay{
        *where,
        {std::string(credentials.substr(0, colon)), std::string(credentials.substr(colon + 1))}};
}

// Why the parser refused the arguments, naming the argument as it was
// written: an option it does not know, or one that lacks its value.
std::string whyRefused(std::span<const std::string_view> arguments, const QString& parserText) {
    constexpr std::array<std::string_view, 8> plain{"-h",      "--help",  "-v",     "--version",
                                                    "--offer", "--paced", "--upnp", "--no-relay"};
    constexpr std::array<std::string_view, 9> withValue{
        "--record", "--host", "--join", "--lobby", "--name", "--meet", "--say", "--stun", "--turn"};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--") {
            break;
        }
        const std::string_view name = argument.substr(0, argument.find('='));
        if (std::find(withValue.begin(), withValue.end(), name) != withValue.end()) {
            if (name.size() == argument.size() && ++i == arguments.size()) {
                return std::string(name) + " needs a value";
            }
            continue;
        }
        const bool known = std::find(plain.begin(), plain.end(), argument) != plain.end();
        if (argument.size() > 1 && argument[0] == '-' && !known) {
            return "unknown option " + quotedWord(argument, shownPathBytes);
        }
    }
    return parserText.toStdString();
}

// gloob-sim --find: the games hosted on this machine's networks, one a line.
int listLanGames(std::ostream& out, std::ostream& errors) {
    std::string error;
    const auto found =
        lobby::findLanGames(net::protocolVersion, net::defaultPort, std::chrono::seconds(1), error);
    if (!error.empty()) {
        errors << programName << ": " << error << '\n';
        return exitFailure;
    }
    for (const lobby::FoundGame& f : found) {
        out << f.game.name << " at " << f.address << ':' << f.port << ", ";
        if (f.game.protocol == net::protocolVersion) {
            out << f.game.balls << " balls\n";
        } else {
            out << "another version of the game (protocol " << f.game.protocol << ")\n";
        }
    }
    if (found.empty()) {
        errors << programName << ": no game answered on UDP port " << net::defaultPort << '\n';
    }
    out.flush();
    return out ? exitOk : exitFailure;
}

} // namespace

// Text and pictures come from QtGui, as in the game, so the simulator composes
// exactly the game's picture; that needs an application. It never needs a
// display, whatever platform the environment names.
std::unique_ptr<QGuiApplication> guiApplicationForRun() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (qtMessageHandler == nullptr) {
        qtMessageHandler = qInstallMessageHandler(onlyQtErrors);
    }
    // Qt keeps references to these for the application's lifetime.
    static int argc = 1;
    static char name[] = "gloob-sim";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

const Pictures& simulatorPictures() {
    // Decoded once: every run shows the same two pictures.
    static const Pictures decoded = loadPictures();
    return decoded;
}

void simulate(const std::vector<ScriptEvent>& events, std::ostream& trace,
              const std::vector<EngineObserver*>& observers, std::ostream* messages,
              std::chrono::milliseconds programAnswerTime) {
    TraceWriter writer(trace);
    ScriptSource script(events);
    HeadlessFrontEnd front(script.inputSource());
    const QtTextRasteriser text;
    Engine engine(front, text, simulatorPictures());
    engine.setAutopilotMaker(bot::computerPlayers());
    std::ostream& told = messages != nullptr ? *messages : std::cerr;
    engine.setProgramMaker([&](int side, const std::string& command) {
        return std::make_unique<program::ProgramPlayer>(
            side, command, [&engine] { return engine.nowMicros(); },
            [&told](const std::string& message) {
                told << programName << ": " << message << '\n';
                told.flush();
            },
            programAnswerTime);
    });
    engine.addObserver(writer);
    for (EngineObserver* observer : observers) {
        engine.addObserver(*observer);
    }
    playToTheEnd(engine, script.stopMicros());
    trace.flush();
}

int runSimulator(std::istream& script, std::ostream& trace, std::ostream& errors,
                 const ExtraOptions& extra) {
    auto parsed = parseScript(script);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        errors << programName << ": line " << error->line << ": " << error->message << '\n';
        return exitUsage;
    }
    if (extra.lobby) {
        return runLobby(*extra.lobby, extra.paced, std::get<std::vector<ScriptEvent>>(parsed),
                        trace, errors, extra.recordPath);
    }
    if (extra.online) {
        OnlineOptions online = *extra.online;
        online.paced = extra.paced;
        return runOnline(online, std::get<std::vector<ScriptEvent>>(parsed), trace, errors,
                         extra.recordPath);
    }
    const std::unique_ptr<RunSetUp> run = setUpRun(extra.recordPath, errors);
    if (!run) {
        return exitFailure;
    }
    std::vector<EngineObserver*> observers;
    if (run->recorder) {
        observers.push_back(run->recorder.get());
    }
    try {
        const StopAtFirstFailedWrite stop(trace);
        simulate(std::get<std::vector<ScriptEvent>>(parsed), trace, observers, &errors,
                 extra.programAnswerTime);
    } catch (const std::ios::failure&) {
        // Reported below, from the stream's state.
    }
    if (!trace) {
        errors << programName << ": cannot write the trace\n";
        return exitFailure;
    }
    return exitOk;
}

int runCommandLine(std::span<const std::string_view> arguments, std::istream& in, std::ostream& out,
                   std::ostream& errors) {
    // Latin-1 keeps every byte of a script's name, whatever its encoding.
    QStringList words{QString::fromLatin1(programName.data(), programName.size())};
    for (const std::string_view argument : arguments) {
        words << QString::fromLatin1(argument.data(), static_cast<qsizetype>(argument.size()));
    }
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption record(QStringLiteral("record"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption host(QStringLiteral("host"), QString(), QStringLiteral("PORT"));
    const QCommandLineOption join(QStringLiteral("join"), QString(), QStringLiteral("ADDRESS"));
    const QCommandLineOption lobby(QStringLiteral("lobby"), QString(), QStringLiteral("ADDRESS"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption offer(QStringLiteral("offer"));
    const QCommandLineOption meet(QStringLiteral("meet"), QString(), QStringLiteral("OTHER"));
    const QCommandLineOption say(QStringLiteral("say"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption paced(QStringLiteral("paced"));
    const QCommandLineOption find(QStringLiteral("find"));
    const QCommandLineOption inputDelay(QStringLiteral("input-delay"), QString(),
                                        QStringLiteral("HEARTBEATS"));
    const QCommandLineOption stun(QStringLiteral("stun"), QString(), QStringLiteral("ADDRESS"));
    const QCommandLineOption upnp(QStringLiteral("upnp"));
    const QCommandLineOption turn(QStringLiteral("turn"), QString(), QStringLiteral("RELAY"));
    const QCommandLineOption noRelay(QStringLiteral("no-relay"));
    parser.addOptions({help, version, record, host, join, lobby, name, offer, meet, say, paced,
                       find, inputDelay, stun, upnp, turn, noRelay});
    const bool understood = parser.parse(words);

    if (parser.isSet(help)) {
        out << usage();
        return out ? exitOk : exitFailure;
    }
    const auto refuse = [&](std::string_view message) {
        errors << programName << ": " << message << "\n"
               << "Try '" << programName << " --help'.\n";
        return exitUsage;
    };
    if (!understood) {
        return refuse(whyRefused(arguments, parser.errorText()));
    }
    if (parser.isSet(version)) {
        out << programName << ' ' << gameVersion << '\n';
        return out ? exitOk : exitFailure;
    }
    const auto latin1 = [](const QString& word) { return word.toLatin1().toStdString(); };
    std::vector<OnlineChoice> online;
    for (const QString& port : parser.values(host)) {
        online.push_back({true, latin1(port)});
    }
    for (const QString& address : parser.values(join)) {
        online.push_back({false, latin1(address)});
    }
    const QStringList records = parser.values(record);
    auto taken = extraOptions(online, records.isEmpty() ? std::string() : latin1(records.back()));
    if (const auto* error = std::get_if<std::string>(&taken)) {
        return refuse(*error);
    }
    ExtraOptions& extra = std::get<ExtraOptions>(taken);
    extra.paced = parser.isSet(paced);
    if (parser.isSet(lobby)) {
        if (extra.online) {
            return refuse("--lobby finds the other player: no --host or --join with it");
        }
        if (parser.isSet(offer) == parser.isSet(meet)) {
            return refuse("--lobby needs one of --offer and --meet OTHER");
        }
        LobbyOptions options;
        options.address = latin1(parser.value(lobby));
        options.name = latin1(parser.value(name));
        options.offering = parser.isSet(offer);
        options.other = latin1(parser.value(meet));
        for (const QString& line : parser.values(say)) {
            options.say.push_back(latin1(line));
        }
        if (parser.isSet(stun)) {
            const std::string server = latin1(parser.value(stun));
            options.stun = server.find(':') == std::string::npos
                               ? traversal::parseEndpoint(server, traversal::stunPort)
                               : traversal::parseEndpoint(server);
            if (!options.stun) {
                return refuse("bad STUN server " + quotedWord(server) +
                              " (an IPv4 address, and a port from 1 to 65535 after ':')");
            }
        }
        options.upnp = parser.isSet(upnp);
        if (parser.isSet(turn)) {
            options.turn = parseRelay(latin1(parser.value(turn)));
            if (!options.turn) {
                return refuse("bad relay " + quotedWord(latin1(parser.value(turn))) +
                              " (USER:PASSWORD@ADDRESS[:PORT], an IPv4 address, port 3478 "
                              "unless given)");
            }
        }
        options.relay = !parser.isSet(noRelay);
        if (options.turn && !options.relay) {
            return refuse("--turn names a relay that --no-relay turns off");
        }
        const auto goodName = [](const std::string& text) {
            return !text.empty() && lobby::cleanName(text) == text;
        };
        if (!goodName(options.name) || (!options.offering && !goodName(options.other))) {
            return refuse("a player's name holds 1 to " + std::to_string(lobby::maxNameCharacters) +
                          " characters, no control characters and no spaces at its ends");
        }
        extra.lobby = std::move(options);
    } else if (parser.isSet(offer) || parser.isSet(meet) || parser.isSet(say) ||
               parser.isSet(stun) || parser.isSet(upnp) || parser.isSet(turn) ||
               parser.isSet(noRelay) ||
               (parser.isSet(name) && !(extra.online && extra.online->hosting))) {
        return refuse("--name goes with --lobby or --host; --offer, --meet, --say, --stun, "
                      "--upnp, --turn and --no-relay with --lobby");
    } else if (parser.isSet(name)) {
        extra.online->announceName = lobby::cleanName(latin1(parser.value(name)));
    }
    if (parser.isSet(inputDelay)) {
        bool number = false;
        const int heartbeats = parser.value(inputDelay).toInt(&number);
        if (!extra.online || !extra.online->hosting || !number || heartbeats < net::minInputDelay ||
            heartbeats > net::maxInputDelay) {
            return refuse("--input-delay goes with --host: a number of heartbeats from 0 to 8");
        }
        extra.online->inputDelay = heartbeats;
    }
    if (parser.isSet(find)) {
        if (extra.online || extra.lobby || !parser.positionalArguments().isEmpty()) {
            return refuse("--find lists the games on this network and plays none");
        }
        return listLanGames(out, errors);
    }
    const QStringList scripts = parser.positionalArguments();
    if (scripts.size() > 1) {
        return refuse("too many arguments (one script at most)");
    }
    if (scripts.empty() || scripts[0] == QStringLiteral("-")) {
        return runSimulator(in, out, errors, extra);
    }
    const std::string path = latin1(scripts[0]);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        errors << programName << ": cannot read script " << quotedWord(path, shownPathBytes)
               << ": it is a directory\n";
        return exitUsage;
    }
    errno = 0;
    std::ifstream file(path);
    if (!file) {
        const int error = errno;
        errors << programName << ": cannot open script " << quotedWord(path, shownPathBytes) << ": "
               << (error != 0 ? std::strerror(error) : "cannot be read") << "\n";
        return exitUsage;
    }
    return runSimulator(file, out, errors, extra);
}

namespace {
constexpr std::string_view usageBeforeTrace = R"(Usage: gloob-sim [SCRIPT]
       gloob-sim [--record FILE] [--paced] [--host PORT [--name NAME]
                 [--input-delay HEARTBEATS] | --join ADDRESS[:PORT]] [SCRIPT]
       gloob-sim --find
       gloob-sim [--record FILE] [--paced] --lobby ADDRESS[:PORT] --name NAME
                 [--say TEXT]... [--stun ADDRESS[:PORT]] [--upnp]
                 --offer | --meet OTHER [SCRIPT]
  or:  gloob-sim --help | --version
Plays Gloob Volleyball on a virtual clock from a script of timed inputs and
writes a trace of every handler to standard output. The script is read from
the file SCRIPT, or from standard input when SCRIPT is '-' or missing.

  --record FILE           also record the game to FILE, a script that replays it
  --host PORT             play player 1 of an online match with the machine that
                          joins on UDP PORT (0: any free port, named on standard
                          error)
  --input-delay HEARTBEATS
                          hosting: hand each player's input over this many
                          heartbeats (0 to 8) after it was taken, guessing at
                          the other player's beyond; without it, the round
                          trip decides
  --join ADDRESS[:PORT]   play player 2 of the match hosted there (port 27960
                          unless given)
  --lobby ADDRESS[:PORT]  meet the other player in the lobby there (an XMPP
                          server: a domain, over TLS with a valid certificate,
                          or localhost or an IPv4 address, where it may be
                          plain; port 5222 unless given)
  --name NAME             the player's name in the lobby (1 to 32 characters)
  --offer                 host a match in the lobby and play player 1 with the
                          first player who joins
  --meet OTHER            join the match OTHER offers in the lobby, player 2
  --say TEXT              say TEXT in the lobby's room once in it
  --stun ADDRESS[:PORT]   learn this machine's public address from the STUN
                          server there (port 3478 unless given) and reach the
                          other player through both routers
  --upnp                  ask this machine's router (UPnP) to forward the
                          match's port until the match is over, and offer
                          the forwarded address as well
  --turn USER:PASSWORD@ADDRESS[:PORT]
                          offer an address lent by the relay (TURN) there
                          (port 3478 unless given) as the last way in, when
                          no direct one opens; without, the relay the lobby
                          names, where it names one and --stun or --upnp is
                          given
  --no-relay              offer no relay's address
  --paced                 play at the window's pace, not as fast as possible
  --find                  list the games hosted on this machine's networks
                          (on UDP port 27960) and exit; a host answers with
                          the name --name gives it
Online, the script gives its own player's keys, Play!, Exit, Help's boxes and,
from the host only, the match length, background and who serves; both
machines write the same trace. The run ends at an Exit of either player, at 'end', or when the
other machine stops; one that stops answering for 3 s ends it with status 1.

Script: one event a line; '#' starts a comment; blank lines are skipped.
  <ms> keydown <code>     a key goes down; <code> is its virtual-key code 0..65535
  <ms> keyup <code>       a key comes up (37 left, 38 up, 39 right, 65 A, 68 D, 87 W)
  <ms> click play|exit    a click on a button; one that is hidden does nothing
  <ms> menu 3|5|8|mountain|beach|none|instructions|about|exit
                          a command of the window's menus
  <ms> focusout           the keyboard leaves the window
  <ms> serve player1|loser|alternate
                          who serves from the next point on: player 1 always
                          (the game's first rule), the player who lost the
                          point, or each in turn; every match opens with
                          player 1's serve
  <ms> end                stops the run at once
  <ms> bot 1|2 off|easy|normal|hard [SEED]
                          puts a side under a computer player from then on
                          (SEED 0..4294967295, 0 when left out), or takes it
                          back; the line writes no trace line, the computer's
                          keys are traced like any, and the side's own key
                          lines are ignored while it plays
  <ms> program 1|2 COMMAND...
                          puts a side under a program of your own, started
                          from the command's words (no shell): each heartbeat
                          it reads a JSON line of what a player sees and
                          answers a line of keys ("+left -jump"); one that
                          answers late (over 5 ms; its first answer within
                          2 s), writes anything else or ends is dropped with a
                          message on standard error, and the side stands still
<ms> is a decimal number of milliseconds from 0 to 4294967295, the range of the
game's millisecond counter; times need not be sorted (events are delivered by
time, equal times in file order). A line ends at LF, CR or CR LF and holds at
most 4096 bytes. A recording's "# script format N" line names the format it
was written in; a newer format than this one (1) is refused. The window is
made at time 0; timers run on a 64 Hz heartbeat (every 15625 us). A computer
player decides at every heartbeat, after that heartbeat's other input. Without
'end' or an exit the run stops after the first heartbeat at or after 10 s past
the last event (time 0 for an empty script).

)";
constexpr std::string_view usageAfterTrace =
    R"(Exit status: 0 after a run; 1 when the trace cannot be written (standard output
closed or full) or a picture built into the program cannot be decoded; 2 for a
malformed script or a bad command line.

Options:
  -h, --help       show this help and exit
  -v, --version    show the version and exit
)";
} // namespace

std::string_view usage() {
    static const std::string text = std::string(usageBeforeTrace) + std::string(traceFormatHelp()) +
                                    std::string(usageAfterTrace);
    return text;
}

} // namespace gloob::sim
