// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_run.h"

#include "app/headless_front_end.h"
#include "app/heartbeat.h"
#include "app/key_bindings.h"
#include "lobby/lan.h"
#include "net/handshake.h"
#include "net/online_front_end.h"
#include "net/online_session.h"
#include "qtgui/qt_text_rasteriser.h"
#include "run_setup.h"
#include "script/script_source.h"
#include "script/trace_writer.h"
#include "simulator.h"

#include <QGuiApplication>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <ostream>
#include <thread>

namespace gloob::sim {

namespace {

constexpr std::string_view programName = "gloob-sim";
// A headless host gives up when nobody joins within this time.
constexpr auto joinerLimit = std::chrono::seconds(60);

std::optional<std::uint16_t> portOf(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value > 65535) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

std::string sideName(int side) {
    return "player " + std::to_string(side);
}

} // namespace

std::unique_ptr<net::Link> openOnlineLink(const OnlineOptions& options, std::ostream& errors) {
    std::string error;
    std::unique_ptr<net::Link> link =
        options.hosting ? net::Link::listen(options.port, error)
                        : net::Link::connect(options.address, options.port, error);
    if (!link) {
        errors << programName << ": " << error << '\n';
    } else if (options.hosting) {
        errors << programName << ": hosting on UDP port " << link->port()
               << "; waiting for the other player\n";
        errors.flush();
    }
    return link;
}

namespace {

std::int64_t percentile99(std::vector<std::int64_t> values) {
    if (values.empty()) {
        return 0;
    }
    const std::size_t at = values.size() * 99 / 100;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.end());
    return values[at];
}

void writeStats(std::ostream& out, const net::OnlineSession& session, double seconds) {
    const net::SessionStats& s = session.stats();
    const net::LinkStats& link = session.linkStats();
    out << "delay=" << session.inputDelay() << " rtt_us=" << session.roundTripMicros()
        << " rollbacks=" << s.rollbacks << " longest_rollback_us=" << s.longestRollbackMicros
        << " longest_replay_us=" << s.longestReplayMicros
        << " stalls_for_commands=" << s.stallsForCommands
        << " replay_us_p99=" << percentile99(s.replayMicros)
        << " keeping_time_us=" << s.keepingTimeMicros << " stalls_in_waits=" << s.stallsInWaits
        << " stalls=" << s.stalls << " longest_stall_us=" << s.longestStallMicros
        << " stalled_us=" << s.stalledMicros << " sent=" << link.bytesSent
        << " received=" << link.bytesReceived << " seconds=" << seconds
        << " refused=" << s.framesRefused + static_cast<int>(link.messagesDropped) << '\n';
}

} // namespace

std::variant<ExtraOptions, std::string> extraOptions(std::span<const OnlineChoice> online,
                                                     std::string recordPath) {
    ExtraOptions taken;
    taken.recordPath = std::move(recordPath);
    if (online.size() > 1) {
        return std::string("one --host or --join at most");
    }
    for (const OnlineChoice& choice : online) {
        OnlineOptions options;
        options.hosting = choice.hosting;
        if (choice.hosting) {
            const auto port = portOf(choice.value);
            if (!port) {
                return "bad port " + quotedWord(choice.value) + " (a number from 0 to 65535)";
            }
            options.port = *port;
        } else {
            const auto address = net::parseHostAddress(choice.value);
            if (!address) {
                return "bad address " + quotedWord(choice.value) +
                       " (a host name or IPv4 address, and a port from 1 to 65535 after ':')";
            }
            options.address = address->name;
            options.port = address->port;
        }
        taken.online = options;
    }
    return taken;
}

int startingBalls(const std::vector<ScriptEvent>& events) {
    int balls = 5;
    for (const ScriptEvent& e : events) {
        if (e.name == "menu 3" || e.name == "menu 5" || e.name == "menu 8") {
            balls = e.name.back() - '0';
        }
    }
    return balls;
}

std::optional<ScriptError> onlineScriptError(const std::vector<ScriptEvent>& events, int side) {
    for (const ScriptEvent& e : events) {
        const auto refuse = [&](std::string message) {
            return ScriptError{e.line, std::move(message)};
        };
        switch (e.kind) {
        case EventKind::keyDown:
        case EventKind::keyUp: {
            const auto control = controlOfRuleKey(e.keyCode);
            if (!control) {
                return refuse("key " + std::to_string(e.keyCode) + " plays nothing of " +
                              sideName(side) + "'s online");
            }
            if (control->player != side) {
                return refuse("key " + std::to_string(e.keyCode) + " is " +
                              sideName(control->player) + "'s; this machine plays " +
                              sideName(side));
            }
            break;
        }
        case EventKind::bot:
            return refuse("computer players do not play online");
        case EventKind::menu:
            if (!net::playerMaySend(side, e)) {
                return refuse("only the host (player 1) chooses the match length and background");
            }
            break;
        case EventKind::serve:
            if (!net::playerMaySend(side, e)) {
                return refuse("only the host (player 1) chooses who serves");
            }
            break;
        case EventKind::clickPlay:
        case EventKind::clickExit:
        case EventKind::focusOut:
        case EventKind::end:
            break;
        }
    }
    return std::nullopt;
}

int runOnline(const OnlineOptions& options, const std::vector<ScriptEvent>& events,
              std::ostream& trace, std::ostream& errors, const std::string& recordPath,
              std::unique_ptr<net::Link> link) {
    const int side = options.hosting ? 1 : 2;
    if (const auto error = onlineScriptError(events, side)) {
        errors << programName << ": line " << error->line << ": " << error->message << '\n';
        return exitUsage;
    }
    const std::unique_ptr<RunSetUp> run = setUpRun(recordPath, errors);
    if (!run) {
        return exitFailure;
    }

    if (!link) {
        link = openOnlineLink(options, errors);
    }
    if (!link) {
        return exitFailure;
    }
    if (options.hosting && !options.announceName.empty()) {
        const lobby::LanGame game{net::protocolVersion, startingBalls(events),
                                  options.announceName};
        link->answerStrangers(
            [answer = lobby::lanAnswer(game)](std::span<const std::uint8_t> datagram)
                -> std::optional<std::vector<std::uint8_t>> {
                if (!lobby::isLanProbe(datagram)) {
                    return std::nullopt;
                }
                return answer;
            });
    }
    const std::string hostName = options.address + ":" + std::to_string(options.port);
    net::Handshake handshake(*link, options.hosting, hostName);
    handshake.setInputDelay(options.inputDelay);
    const auto began = std::chrono::steady_clock::now();
    while (handshake.advance(20) == net::Handshake::State::waiting) {
        if (options.alongside) {
            options.alongside();
        }
        if (options.hosting && !link->connected() &&
            std::chrono::steady_clock::now() - began > joinerLimit) {
            errors << programName << ": nobody joined within "
                   << std::chrono::seconds(joinerLimit).count() << " s\n";
            return exitFailure;
        }
    }
    if (handshake.state() == net::Handshake::State::failed) {
        errors << programName << ": " << handshake.failure() << '\n';
        return exitFailure;
    }
    const net::Agreement agreement = handshake.agreement();
    net::OnlineSession session(std::move(link), agreement, handshake.takeLeftovers(), {});

    HeldBackOutput heldTrace(trace);
    TraceWriter writer(heldTrace);
    ScriptSource script(events);
    HeadlessFrontEnd local(script.inputSource());
    net::OnlineFrontEnd front(local, session,
                              options.paced ? net::OnlineFrontEnd::Pacing::own
                                            : net::OnlineFrontEnd::Pacing::none);
    // A clock that runs fast or slow, for the tests of two machines' time-keeping.
    if (const char* percent = std::getenv("GLOOB_CLOCK_PERCENT"); percent != nullptr) {
        front.setClockPercent(std::clamp(std::atoi(percent), 50, 200));
    }
    if (options.hosting) {
        front.startAfter(agreement.startAfterMicros);
    }
    const QtTextRasteriser text;
    Engine engine(front, text, simulatorPictures());
    front.attach(engine);
    // Both machines run the same rules: held keys for both players.
    engine.setHeldKeys(1, true);
    engine.setHeldKeys(2, true);
    engine.addObserver(writer);
    engine.addHeldOutput(heldTrace);
    run->watch(engine);
    const auto playing = std::chrono::steady_clock::now();
    const bool ranOut = playToTheEnd(engine, script.stopMicros(), [&] {
        if (options.alongside) {
            options.alongside();
        }
        if (options.paced) {
            front.paceTo(engine.nextHeartbeatMicros());
        }
    });
    if (ranOut) {
        // What was played on a guess is confirmed before this machine
        // leaves, as when its player stops the game: both games end alike.
        engine.post(GameEvent::of(EventKind::end));
        try {
            engine.runHeartbeat();
        } catch (const RunEnded&) {
            // The end this machine asked for.
        }
        session.leave();
    }
    front.finish();
    trace.flush();
    if (options.stats != nullptr) {
        writeStats(
            *options.stats, session,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - playing).count());
    }
    switch (session.ended()) {
    case net::SessionEnd::none:
    case net::SessionEnd::left:
    case net::SessionEnd::peerLeft:
        return trace ? exitOk : exitFailure;
    default:
        errors << programName << ": " << session.endMessage() << '\n';
        return exitFailure;
    }
}

} // namespace gloob::sim
