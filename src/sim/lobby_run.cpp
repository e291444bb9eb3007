// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_run.h"

#include "lobby/lobby_client.h"
#include "lobby/lobby_paths.h"
#include "net/link.h"
#include "net/protocol.h"
#include "simulator.h"
#include "traversal/turn_relay.h"
#include "traversal/upnp.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ostream>
#include <thread>

namespace gloob::sim {

namespace {

constexpr std::string_view programName = "gloob-sim";
using Clock = std::chrono::steady_clock;
// How long a player waits for the lobby, for the other player to show up,
// and for a host to answer.
constexpr auto signInLimit = std::chrono::seconds(20);
constexpr auto meetingLimit = std::chrono::seconds(60);
constexpr auto answerLimit = std::chrono::seconds(20);
constexpr int goodbyeMillis = 2000;
// How long the STUN server has to answer, and the two machines to find a
// way to each other through their routers.
constexpr auto stunLimit = std::chrono::milliseconds(2000);
constexpr auto pathLimit = std::chrono::milliseconds(10000);
// How long the home router has to answer a search for UPnP.
constexpr auto upnpLimit = std::chrono::milliseconds(1500);
// How long the lobby has to name its services (it answers at once).
constexpr auto servicesLimit = std::chrono::milliseconds(2000);

// What this player's presence says, in the game's protocol version.
lobby::PlayerState stateOf(lobby::Activity activity, int balls = 5, std::string with = {}) {
    return lobby::PlayerState{net::protocolVersion, activity, balls, std::move(with)};
}

// The lobby's side of a run: its lines go to standard error as they come.
class Lobby {
public:
    Lobby(const LobbyOptions& options, std::ostream& errors, lobby::LobbyAddress address)
        : errors_(errors),
          client_(std::move(address), options.name, stateOf(lobby::Activity::waiting)) {}

    lobby::LobbyClient& client() { return client_; }

    // Services the lobby, telling every line and chat, and hands the
    // introductions to `heard`; false once the lobby is gone.
    template <typename Heard> bool service(int waitMillis, Heard&& heard) {
        client_.service(waitMillis);
        for (lobby::LobbyEvent& e : client_.takeEvents()) {
            switch (e.kind) {
            case lobby::LobbyEvent::Kind::line:
                tell(e.text);
                break;
            case lobby::LobbyEvent::Kind::chat:
                tell("<" + shownName(e.from) + "> " + e.text);
                break;
            case lobby::LobbyEvent::Kind::introduction:
                heard(e);
                break;
            case lobby::LobbyEvent::Kind::roster:
                break;
            }
        }
        return client_.status() != lobby::LobbyClient::Status::closed;
    }
    // Busy: a join is declined, so that its player need not wait for an answer.
    bool service(int waitMillis) {
        return service(waitMillis, [this](const lobby::LobbyEvent& e) {
            if (e.introduction.kind == lobby::IntroductionKind::join ||
                e.introduction.kind == lobby::IntroductionKind::challenge) {
                client_.introduce(e.from, {lobby::IntroductionKind::decline,
                                           net::protocolVersion,
                                           e.introduction.secret,
                                           {}});
                tell(shownName(e.from) + " asked to join; declined, this player is busy");
            }
        });
    }

    // Waits until the player is in the room, saying their lines there.
    bool enter(const std::vector<std::string>& say) {
        const auto until = Clock::now() + signInLimit;
        while (client_.status() == lobby::LobbyClient::Status::connecting && Clock::now() < until) {
            service(50);
        }
        if (client_.status() != lobby::LobbyClient::Status::inRoom) {
            if (client_.status() == lobby::LobbyClient::Status::connecting) {
                tell("the lobby did not answer within " +
                     std::to_string(std::chrono::seconds(signInLimit).count()) + " s");
            }
            return false;
        }
        for (const std::string& line : say) {
            client_.say(line);
        }
        return true;
    }

    void tell(const std::string& line) {
        errors_ << programName << ": lobby: " << line << '\n';
        errors_.flush();
    }

    std::string shownName(const std::string& nick) const {
        const auto found = client_.roster().find(nick);
        return found != client_.roster().end() ? found->second.name : lobby::cleanName(nick);
    }

    // Back to waiting after the match, then out of the lobby.
    void leave() {
        client_.setState(stateOf(lobby::Activity::waiting));
        service(0);
        client_.leave(goodbyeMillis);
    }

private:
    std::ostream& errors_;
    lobby::LobbyClient client_;
};

// The candidates this machine offers: the address it reaches the lobby
// from, with the match's port (0 for a joiner, which connects out).
std::vector<lobby::Candidate> candidatesOf(const lobby::LobbyClient& client, std::uint16_t port) {
    const auto address = client.localAddress();
    if (!address) {
        return {};
    }
    return {lobby::Candidate{*address, port}};
}

std::string millisecondsSince(Clock::time_point began) {
    return std::to_string(
               std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began)
                   .count()) +
           " ms";
}

// The player's own relay, else the one the lobby names (waiting a little for
// its answer), unless the player wants none.
std::optional<LobbyOptions::Relay> relayServer(Lobby& lobby, const LobbyOptions& options) {
    if (options.turn || !options.relay) {
        return options.turn;
    }
    lobby::LobbyClient& client = lobby.client();
    const auto until = Clock::now() + servicesLimit;
    while (!client.servicesAnswered() && Clock::now() < until && lobby.service(10)) {
    }
    const auto& named = client.relay();
    if (!named) {
        return std::nullopt;
    }
    const auto where = traversal::parseEndpoint(named->address.host, named->address.port);
    if (!where) {
        lobby.tell("the lobby's relay " + named->address.host + " is not an IPv4 address");
        return std::nullopt;
    }
    return LobbyOptions::Relay{*where, {named->username, named->password}};
}

// An address lent by the relay, or nothing, said either way. The relay gives
// up by itself when it does not answer.
std::unique_ptr<traversal::TurnRelay> openRelay(Lobby& lobby, const LobbyOptions::Relay& server) {
    std::string error;
    auto relay = traversal::TurnRelay::open(server.where, server.credentials, error);
    if (!relay) {
        lobby.tell("no relay: " + error);
        return nullptr;
    }
    const auto began = Clock::now();
    while (relay->step(Clock::now()) == traversal::TurnRelay::State::allocating) {
        lobby.service(5);
    }
    if (relay->state() != traversal::TurnRelay::State::ready) {
        lobby.tell("no relay: " + relay->failure() + " (asked in " + millisecondsSince(began) +
                   ")");
        return nullptr;
    }
    lobby.tell("the relay at " + traversal::toString(server.where) + " lends " +
               traversal::toString(*relay->relayed()) + " (asked in " + millisecondsSince(began) +
               ")");
    return relay;
}

// With a STUN server, UPnP or a relay: every address of this machine, the
// public one STUN saw, the one the router forwards (kept in `mapping` for
// the length of the match), with the link's port, and last the one the
// relay lends (kept in `relay`).
std::vector<lobby::Candidate> gathered(Lobby& lobby, net::Link& link, const LobbyOptions& options,
                                       std::unique_ptr<traversal::UpnpMapping>& mapping,
                                       std::unique_ptr<traversal::TurnRelay>& relay) {
    auto candidates = traversal::gatherCandidates(link, options.stun, stunLimit);
    if (options.upnp) {
        std::string why;
        const auto began = Clock::now();
        mapping = traversal::UpnpMapping::open(link.port(), upnpLimit, why);
        const std::string took = " (asked in " + millisecondsSince(began) + ")";
        if (mapping) {
            lobby.tell("the router forwards " + traversal::toString(mapping->outside()) +
                       " to this machine's port " + std::to_string(link.port()) + took);
            traversal::addCandidate(candidates, *mapping);
        } else {
            lobby.tell("no port forwarded by the router: " + why + took);
        }
    }
    if (const auto server = relayServer(lobby, options)) {
        relay = openRelay(lobby, *server);
        if (relay) {
            candidates.push_back({*relay->relayed(), traversal::Path::relay});
        }
    }
    std::string line = "this machine's candidates:";
    for (const traversal::Candidate& c : candidates) {
        line += " " + traversal::toString(c.where) + " (" +
                std::string(traversal::describe(c.path)) + ")";
    }
    lobby.tell(line);
    return lobby::toLobby(candidates);
}

// The other player's candidates to probe, with, where this machine has a
// relay, the relay's loopback forwarder: the other player may reach only
// the relayed address, and is let in there from any of its addresses.
std::vector<lobby::Candidate> throughRelay(std::vector<lobby::Candidate> theirs,
                                           traversal::TurnRelay* relay, const net::Link& link) {
    if (relay == nullptr) {
        return theirs;
    }
    std::vector<std::uint32_t> addresses;
    for (const traversal::Candidate& c : lobby::fromLobby(theirs)) {
        if (std::ranges::find(addresses, c.where.address) == addresses.end()) {
            addresses.push_back(c.where.address);
        }
    }
    relay->relayFor(addresses, link.port());
    theirs.push_back({"127.0.0.1", relay->forwarderPort(), false, true});
    return theirs;
}

// The relay on a thread of its own for the match: the match's loop waits on
// the other player's input, which comes through the relay.
class RelayThread {
public:
    RelayThread(traversal::TurnRelay* relay, Lobby& lobby)
        : relay_(relay), lobby_(lobby), began_(Clock::now()) {
        if (relay != nullptr) {
            thread_ = std::thread([this, relay] {
                while (!stop_) {
                    relay->waitForDatagrams(5);
                    relay->step(Clock::now());
                }
            });
        }
    }
    // Says what the match cost the relay, for its operator.
    ~RelayThread() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        if (relay_ != nullptr && relay_->peer()) {
            const auto& stats = relay_->stats();
            lobby_.tell("the relay carried " + std::to_string(stats.bytesToPeer) + " bytes in " +
                        std::to_string(stats.datagramsToPeer) + " datagrams out and " +
                        std::to_string(stats.bytesFromPeer) + " in " +
                        std::to_string(stats.datagramsFromPeer) + " in over " +
                        millisecondsSince(began_));
        }
    }
    RelayThread(const RelayThread&) = delete;
    RelayThread& operator=(const RelayThread&) = delete;

private:
    traversal::TurnRelay* relay_;
    Lobby& lobby_;
    Clock::time_point began_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

// The lobby's traffic, and the relay's, while the match is found.
std::function<void()> alongsideOf(Lobby& lobby, traversal::TurnRelay* relay) {
    return [&lobby, relay] {
        lobby.service(0);
        if (relay != nullptr) {
            relay->step(Clock::now());
        }
    };
}

// The router's forwarding ends with the match; said, for the player and the
// tests. Every other way out removes it as well, unsaid.
void endForwarding(Lobby& lobby, std::unique_ptr<traversal::UpnpMapping>& mapping) {
    if (mapping) {
        const std::string outside = traversal::toString(mapping->outside());
        lobby.tell(mapping->remove()
                       ? "the router no longer forwards " + outside
                       : "the router did not confirm the end of forwarding " + outside);
        mapping.reset();
    }
}

int offer(Lobby& lobby, const LobbyOptions& lobbyOptions, OnlineOptions options,
          const std::vector<ScriptEvent>& events, std::ostream& trace, std::ostream& errors,
          const std::string& recordPath) {
    options.hosting = true;
    options.port = 0;
    std::unique_ptr<net::Link> link = openOnlineLink(options, errors);
    if (!link) {
        return exitFailure;
    }
    lobby::LobbyClient& client = lobby.client();
    const bool traversing = lobbyOptions.stun || lobbyOptions.upnp || lobbyOptions.turn;
    std::unique_ptr<traversal::UpnpMapping> mapping;
    std::unique_ptr<traversal::TurnRelay> relay;
    const std::vector<lobby::Candidate> offered =
        traversing ? gathered(lobby, *link, lobbyOptions, mapping, relay)
                   : candidatesOf(client, link->port());
    lobby::Introduction joining;
    client.setState(stateOf(lobby::Activity::hosting, startingBalls(events)));
    std::optional<std::string> joiner;
    const auto until = Clock::now() + meetingLimit;
    while (!joiner && Clock::now() < until) {
        const bool open = lobby.service(50, [&](const lobby::LobbyEvent& e) {
            const lobby::Introduction& asked = e.introduction;
            if (asked.kind != lobby::IntroductionKind::join) {
                lobby.tell("an answer from " + lobby.shownName(e.from) +
                           " to no request was ignored");
                return;
            }
            if (joiner) {
                client.introduce(
                    e.from,
                    {lobby::IntroductionKind::decline, net::protocolVersion, asked.secret, {}});
                lobby.tell(lobby.shownName(e.from) + " asked to join too late; declined");
                return;
            }
            lobby::Introduction answer{lobby::IntroductionKind::accept, net::protocolVersion,
                                       asked.secret, offered};
            if (asked.version != net::protocolVersion || answer.candidates.empty()) {
                answer.kind = lobby::IntroductionKind::decline;
                answer.candidates.clear();
                client.introduce(e.from, answer);
                lobby.tell(lobby.shownName(e.from) + " cannot join: " +
                           (asked.version != net::protocolVersion ? "another version of the game"
                                                                  : "this machine has no address"));
                return;
            }
            client.introduce(e.from, answer);
            joiner = e.from;
            joining = asked;
        });
        if (!open) {
            return exitFailure;
        }
    }
    if (!joiner) {
        lobby.tell("nobody joined within " +
                   std::to_string(std::chrono::seconds(meetingLimit).count()) + " s");
        return exitFailure;
    }
    const std::string name = lobby.shownName(*joiner);
    lobby.tell(name + " joins the match");
    if (traversing) {
        // Opens this machine's router towards the joiner; the joiner connects.
        std::string told;
        lobby::findPath(*link, joining.secret, throughRelay(joining.candidates, relay.get(), *link),
                        pathLimit, alongsideOf(lobby, relay.get()), told);
        lobby.tell(name + (link->connected() ? " connected" : ": " + told));
    }
    client.setState(stateOf(lobby::Activity::playing, 5, name));
    options.alongside = [&lobby] { lobby.service(0); };
    const int status = [&] {
        const RelayThread relaying(relay.get(), lobby);
        return runOnline(options, events, trace, errors, recordPath, std::move(link));
    }();
    endForwarding(lobby, mapping);
    lobby.leave();
    return status;
}

int meet(Lobby& lobby, const LobbyOptions& lobbyOptions, OnlineOptions options,
         const std::vector<ScriptEvent>& events, std::ostream& trace, std::ostream& errors,
         const std::string& recordPath) {
    const std::string& other = lobbyOptions.other;
    lobby::LobbyClient& client = lobby.client();
    std::unique_ptr<net::Link> link;
    std::vector<lobby::Candidate> offered;
    std::unique_ptr<traversal::UpnpMapping> mapping;
    std::unique_ptr<traversal::TurnRelay> relay;
    if (lobbyOptions.stun || lobbyOptions.upnp || lobbyOptions.turn) {
        std::string error;
        link = net::Link::open(error);
        if (!link) {
            errors << programName << ": " << error << '\n';
            return exitFailure;
        }
        offered = gathered(lobby, *link, lobbyOptions, mapping, relay);
    }
    const std::string wanted = lobby::cleanName(other);
    const auto hostOf = [&]() -> std::optional<std::string> {
        for (const auto& [nick, occupant] : client.roster()) {
            if (occupant.name == wanted && occupant.state &&
                occupant.state->activity == lobby::Activity::hosting &&
                occupant.state->version == net::protocolVersion) {
                return nick;
            }
        }
        return std::nullopt;
    };
    std::optional<std::string> host;
    std::optional<lobby::Introduction> answer;
    std::string secret;
    const auto until = Clock::now() + meetingLimit;
    auto answerUntil = until;
    while (!answer && Clock::now() < std::min(until, answerUntil)) {
        const bool open = lobby.service(50, [&](const lobby::LobbyEvent& e) {
            if (!host || e.from != *host || e.introduction.secret != secret ||
                e.introduction.kind == lobby::IntroductionKind::join) {
                lobby.tell("an introduction from " + lobby.shownName(e.from) +
                           " that answers no request of this player was ignored");
                return;
            }
            answer = e.introduction;
        });
        if (!open) {
            return exitFailure;
        }
        if (!host && (host = hostOf())) {
            secret = lobby::newSecret();
            client.introduce(*host, {lobby::IntroductionKind::join, net::protocolVersion, secret,
                                     link ? offered : candidatesOf(client, 0)});
            lobby.tell("asking " + wanted + " to join their match");
            answerUntil = Clock::now() + answerLimit;
        }
    }
    if (!answer) {
        lobby.tell(host ? wanted + " did not answer" : wanted + " offers no match in the lobby");
        return exitFailure;
    }
    const auto reachable = std::find_if(answer->candidates.begin(), answer->candidates.end(),
                                        [](const lobby::Candidate& c) { return c.port != 0; });
    if (answer->kind == lobby::IntroductionKind::decline || reachable == answer->candidates.end()) {
        lobby.tell(wanted + " declined");
        return exitFailure;
    }
    options.hosting = false;
    options.address = reachable->address;
    options.port = reachable->port;
    if (link) {
        const auto began = Clock::now();
        std::string told;
        const auto found =
            lobby::findPath(*link, secret, throughRelay(answer->candidates, relay.get(), *link),
                            pathLimit, alongsideOf(lobby, relay.get()), told);
        lobby.tell(wanted + ": " + told);
        std::string error;
        if (!found) {
            return exitFailure;
        }
        options.address = traversal::toString(found->candidate.where, false);
        options.port = found->candidate.where.port;
        if (!link->connectTo(options.address, options.port, error)) {
            errors << programName << ": " << error << '\n';
            return exitFailure;
        }
        // For the player, and the tests: how long the way took in all. The
        // handshake below waits on, and says why, when ENet is slower.
        const auto alongside = alongsideOf(lobby, relay.get());
        while (!link->connected() && Clock::now() - began < pathLimit) {
            link->putBack(link->service(5));
            alongside();
        }
        if (link->connected()) {
            const auto took =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);
            lobby.tell(wanted + ": connected in " + std::to_string(took.count()) + " ms");
        }
    }
    lobby.tell("joining " + wanted + " at " + options.address + ":" + std::to_string(options.port));
    client.setState(stateOf(lobby::Activity::playing, 5, wanted));
    options.alongside = [&lobby] { lobby.service(0); };
    const int status = [&] {
        const RelayThread relaying(relay.get(), lobby);
        return runOnline(options, events, trace, errors, recordPath, std::move(link));
    }();
    endForwarding(lobby, mapping);
    lobby.leave();
    return status;
}

} // namespace

int runLobby(const LobbyOptions& options, bool paced, const std::vector<ScriptEvent>& events,
             std::ostream& trace, std::ostream& errors, const std::string& recordPath) {
    const auto address = lobby::parseLobbyAddress(options.address);
    if (!address) {
        errors << programName << ": bad lobby address " << quotedWord(options.address) << '\n';
        return exitUsage;
    }
    // A script this side may not play is refused before anyone is met.
    if (const auto error = onlineScriptError(events, options.offering ? 1 : 2)) {
        errors << programName << ": line " << error->line << ": " << error->message << '\n';
        return exitUsage;
    }
    Lobby lobby(options, errors, *address);
    if (!lobby.enter(options.say)) {
        return exitFailure;
    }
    OnlineOptions online;
    online.paced = paced;
    return options.offering ? offer(lobby, options, online, events, trace, errors, recordPath)
                            : meet(lobby, options, online, events, trace, errors, recordPath);
}

} // namespace gloob::sim
