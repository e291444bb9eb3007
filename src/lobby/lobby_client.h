// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "external_services.h"
#include "lobby_text.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

typedef struct _xmpp_ctx_t xmpp_ctx_t;
typedef struct _xmpp_conn_t xmpp_conn_t;
typedef struct _xmpp_stanza_t xmpp_stanza_t;

namespace gloob::lobby {

// The client port of an XMPP server.
constexpr std::uint16_t defaultLobbyPort = 5222;

// Where the lobby is: a domain, "localhost" or an IPv4 address, and a port.
struct LobbyAddress {
    std::string host;
    std::uint16_t port = 0; // 0: the domain's SRV records say, else 5222
    // A lobby on this machine or named by its address: it may be plain,
    // and its certificate cannot name it.
    bool local() const;
    // The domain the players sign in to: the host's name, or localhost for
    // an address (a lobby run by scripts/run-lobby.sh).
    std::string domain() const;
};
std::optional<LobbyAddress> parseLobbyAddress(std::string_view text);

// The room of the game's protocol version on the lobby's domain.
std::string roomOf(const std::string& domain);

// An account on a lobby that asks for one; without, the player signs in
// anonymously.
struct Account {
    std::string user;
    std::string password;
};

// Someone in the room: their name as it may be shown, and what their
// presence says of the game (nothing for an ordinary chat client, or one
// whose presence was not understood).
struct Occupant {
    std::string name;
    std::optional<PlayerState> state;
};

// What the lobby brought since it was last asked.
struct LobbyEvent {
    enum class Kind {
        line,         // a line for the player: text
        chat,         // from said text in the room
        introduction, // from sent introduction, checked
        roster,       // from arrived or changed state (occupant), or left
    };
    Kind kind = Kind::line;
    std::string from; // the room's name of the occupant
    std::string text;
    Introduction introduction;
    std::optional<Occupant> occupant;
};

// One player's connection to the lobby: signs in without an account, enters
// the room of the game's protocol version under the player's name, keeps the
// roster and hands over lines, chat and introductions. Every stanza from
// outside is checked before anything reads it; what is refused becomes a
// line. Runs only inside service(), on the caller's thread.
class LobbyClient {
public:
    enum class Status { connecting, inRoom, closed };

    LobbyClient(LobbyAddress address, std::string name, PlayerState state,
                const std::optional<Account>& account = std::nullopt);
    ~LobbyClient();
    LobbyClient(const LobbyClient&) = delete;
    LobbyClient& operator=(const LobbyClient&) = delete;

    // Handles what the network brought, waiting at most `waitMillis` for it.
    void service(int waitMillis);

    Status status() const { return status_; }
    bool encrypted() const { return encrypted_; }
    // Whether the lobby ever let this player in: a try that was refused
    // from the start is not worth repeating.
    bool everSignedIn() const { return everSignedIn_; }
    // The name the room knows this player by (with a number after a clash).
    const std::string& nick() const { return nick_; }
    const std::map<std::string, Occupant>& roster() const { return roster_; }
    // The address the server gave this connection, once signed in.
    std::string jid() const;
    // The address this machine reaches the lobby from: where players on its
    // network reach it.
    std::optional<std::string> localAddress() const;
    // The STUN server the lobby names, once it answered.
    const std::optional<ServiceAddress>& stunServer() const { return stunServer_; }
    // The relay the lobby lends with a password for a while, once it
    // answered; asked again when half that while has passed, so that a match
    // begun at any time keeps a password the relay takes.
    const std::optional<RelayService>& relay() const { return relay_; }
    // Whether the lobby answered the question for its services at all.
    bool servicesAnswered() const { return servicesAnswered_; }

    void setState(PlayerState state);
    // Says a line in the room; false, with a line for the player, when it
    // is empty or too long.
    bool say(std::string_view text);
    void introduce(const std::string& nick, const Introduction& introduction);
    // Leaves the room and signs out, waiting at most `waitMillis` for the
    // lobby to hear it.
    void leave(int waitMillis);

    std::vector<LobbyEvent> takeEvents();

private:
    friend struct Callbacks;
    void connected();
    void disconnected(const std::string& why);
    void presence(xmpp_stanza_t* stanza);
    void message(xmpp_stanza_t* stanza);
    void iq(xmpp_stanza_t* stanza);
    void services(xmpp_stanza_t* answer);
    void sendPresence();
    void sendRaw(const std::string& xml);
    // The occupant's nick when `from` is someone in the room.
    std::optional<std::string> occupantOf(const char* from) const;
    std::string textOf(xmpp_stanza_t* stanza) const;
    void push(LobbyEvent event);
    void line(std::string text);

    LobbyAddress address_;
    std::string room_;
    std::string name_;
    std::string nick_;
    int clashes_ = 0;
    PlayerState state_;
    Status status_ = Status::connecting;
    bool encrypted_ = false;
    bool everSignedIn_ = false;
    bool withAccount_ = false;
    bool leaving_ = false;
    xmpp_ctx_t* ctx_ = nullptr;
    xmpp_conn_t* conn_ = nullptr;
    std::map<std::string, Occupant> roster_;
    bool rosterFull_ = false;
    std::deque<LobbyEvent> events_;
    std::size_t eventsDropped_ = 0;
    RateLimit chatLimit_;
    RateLimit introductionLimit_;
    std::map<std::string, bool> toldTooFast_;
    std::optional<ServiceAddress> stunServer_;
    std::optional<RelayService> relay_;
    bool servicesAnswered_ = false;
    std::optional<std::chrono::system_clock::time_point> askServicesAgain_;
};

} // namespace gloob::lobby
