// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "net/link.h"
#include "program/program_player.h"
#include "script/script.h"
#include "traversal/endpoint.h"
#include "traversal/turn_message.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gloob::sim {

// A networked match without a window: this machine plays one side from its
// script, the other machine the other side.
struct OnlineOptions {
    bool hosting = false;
    std::string address;    // the host to join
    std::uint16_t port = 0; // hosting: 0 lets the system pick one (it is printed)
    // Runs at the window's pace rather than as fast as the other machine allows.
    bool paced = false;
    // Hosting: a fixed input delay in heartbeats, or none for the one the
    // round trip calls for.
    std::optional<int> inputDelay;
    // Where a summary of the connection goes at the end, if anywhere.
    std::ostream* stats = nullptr;
    // Hosting: the name the host answers probes of the local network with
    // (none: it does not answer).
    std::string announceName;
    // Runs while waiting for the other machine and before every heartbeat:
    // the lobby's own traffic, which never reaches the match.
    std::function<void()> alongside;
};

// Meeting the other player in a lobby: --lobby ADDRESS[:PORT] --name NAME,
// and --offer or --meet OTHER.
struct LobbyOptions {
    std::string address;
    std::string name;
    bool offering = false;
    std::string other;            // meeting: the name of the player who offers
    std::vector<std::string> say; // lines said in the room once in it
    // Where to learn this machine's public address: with one, both players
    // probe each other's candidates through their routers before ENet
    // connects; without, the joiner connects to the host's address.
    std::optional<traversal::Endpoint> stun;
    // Whether to have the router forward the match's port as well (UPnP),
    // for the length of the match; the probes run then too.
    bool upnp = false;
    // A relay of the player's own (--turn); without, the one the lobby
    // names, unless `relay` is off (--no-relay). Offered last, where the
    // probes run.
    struct Relay {
        traversal::Endpoint where;
        traversal::TurnCredentials credentials;
    };
    std::optional<Relay> turn;
    bool relay = true;
};

// gloob-sim's options beyond the script: --host PORT, --join ADDRESS[:PORT],
// the lobby's, --paced and --record FILE.
struct ExtraOptions {
    std::optional<OnlineOptions> online;
    std::optional<LobbyOptions> lobby;
    bool paced = false;
    std::string recordPath;
    // How long a program of the player's own may take to answer a heartbeat.
    std::chrono::milliseconds programAnswerTime = program::answerTime;
};
// One --host or --join as written on the command line.
struct OnlineChoice {
    bool hosting = false;
    std::string value;
};
// The options checked, or a message for a bad one.
std::variant<ExtraOptions, std::string> extraOptions(std::span<const OnlineChoice> online,
                                                     std::string recordPath);

// The match length a host's script starts with: its last choice, or the
// game's own 5.
int startingBalls(const std::vector<ScriptEvent>& events);

// The first line a player may not give online: the other player's keys, or
// any key that plays none of theirs, computer players, and for the joining
// player the match length and background, which are the host's.
std::optional<ScriptError> onlineScriptError(const std::vector<ScriptEvent>& events, int side);

// The link a networked match is played over: the host's listening (and
// named on `errors`), the joiner's connecting. Nothing, with the reason on
// `errors`, when it cannot be opened.
std::unique_ptr<net::Link> openOnlineLink(const OnlineOptions& options, std::ostream& errors);

// Plays the script's side of a networked match, writing the trace to
// `trace` and, when recordPath is given, a recording both players' events;
// over `link` when given, else over one it opens. Returns gloob-sim's exit
// status.
int runOnline(const OnlineOptions& options, const std::vector<ScriptEvent>& events,
              std::ostream& trace, std::ostream& errors, const std::string& recordPath,
              std::unique_ptr<net::Link> link = nullptr);

} // namespace gloob::sim
