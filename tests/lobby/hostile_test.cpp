// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A hostile client on a raw XMPP connection sends a player in the lobby what
// the game never would: the player is told each time, in a line of its own,
// keeps no more than a bounded amount, and stays in the room.

#include "lobby_server.h"

#include "net/protocol.h"

#include <gtest/gtest.h>

#include <strophe.h>

namespace gloob::lobby::testing {
namespace {

using namespace std::chrono_literals;

// A connection that signs in anonymously and sends whatever it is given.
class RawClient {
public:
    explicit RawClient(const LobbyAddress& lobby) {
        ctx_ = xmpp_ctx_new(nullptr, nullptr);
        conn_ = xmpp_conn_new(ctx_);
        xmpp_conn_set_flags(conn_, XMPP_CONN_FLAG_DISABLE_SM | XMPP_CONN_FLAG_TRUST_TLS);
        xmpp_conn_set_jid(conn_, "localhost");
        xmpp_connect_client(conn_, lobby.host.c_str(), lobby.port, onConnection, this);
    }
    ~RawClient() {
        xmpp_conn_release(conn_);
        xmpp_ctx_free(ctx_);
    }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool signedIn() const { return signedIn_; }
    void service() { xmpp_run_once(ctx_, 0); }
    void send(const std::string& xml) { xmpp_send_raw(conn_, xml.data(), xml.size()); }

private:
    static void onConnection(xmpp_conn_t*, xmpp_conn_event_t event, int, xmpp_stream_error_t*,
                             void* self) {
        static_cast<RawClient*>(self)->signedIn_ = event == XMPP_CONN_CONNECT;
    }
    xmpp_ctx_t* ctx_ = nullptr;
    xmpp_conn_t* conn_ = nullptr;
    bool signedIn_ = false;
};

// Stanzas the hostile client sends, where ROOM, PLAYER (the player's address
// in the room) and JID (the player's own address, outside it) are filled in.
std::string presence(const std::string& payload, bool entering = false) {
    return "<presence to='ROOM/Mallory'>" +
           std::string(entering ? "<x xmlns='http://jabber.org/protocol/muc'/>" : "") +
           "<game xmlns='" + std::string(gameNamespace) + "'>" + payload + "</game></presence>";
}
std::string join(const std::string& to, const std::string& payload) {
    return "<message type='chat' to='" + to + "'><intro xmlns='" + std::string(gameNamespace) +
           "'>" + payload + "</intro></message>";
}
std::string chat(const std::string& body) {
    return "<message type='groupchat' to='ROOM'><body>" + body + "</body></message>";
}
const std::string validJoin = "kind=join v=" + std::to_string(net::protocolVersion) +
                              " secret=" + std::string(32, 'b') + " at=127.0.0.1:0";

struct Hostile {
    std::string name;
    std::string stanza;
    int times;
    std::string line; // part of the line the player is told
};
void PrintTo(const Hostile& row, std::ostream* out) {
    *out << row.name;
}

const std::vector<Hostile> hostiles{
    {"OversizedPresence", presence("v=2 state=playing with=" + std::string(3000, 'x')), 1,
     "Mallory's game state was not understood (over 512 bytes)"},
    {"MalformedPresence", presence("v=2 state=flying"), 1,
     "Mallory's game state was not understood (no state the game knows)"},
    {"JoinFromOutsideTheRoom", join("JID", validJoin), 1, "who is not in the room, was ignored"},
    {"MalformedJoin", join("PLAYER", "kind=join v=2 secret=12 at=127.0.0.1:0"), 1,
     "a join from Mallory was not understood (no secret of 32 hex digits)"},
    {"JoinFlood", join("PLAYER", validJoin), 20, "Mallory asks to join too often"},
    {"ChatFlood", chat("buy gold"), 1000, "Mallory is chatting too fast; some lines are not shown"},
    {"OversizedChat", chat(std::string(501, 'z')), 1,
     "a chat line from Mallory was empty or over 500 characters"},
    // An escape sequence, and U+202E, which turns the rest of a line around.
    {"ControlCharactersInName", presence("v=2 state=playing with=%1B%5B2JEve%E2%80%AE"), 1,
     "Mallory plays with a name that holds control or direction characters"},
};

std::string filledIn(std::string stanza, const std::string& room, const LobbyClient& player) {
    for (const auto& [mark, value] : {std::pair{std::string("ROOM"), room},
                                      std::pair{std::string("PLAYER"), room + "/" + player.nick()},
                                      std::pair{std::string("JID"), player.jid()}}) {
        for (std::size_t at; (at = stanza.find(mark)) != std::string::npos;) {
            stanza.replace(at, mark.size(), value);
        }
    }
    return stanza;
}

class HostileInputs : public ::testing::TestWithParam<Hostile> {
protected:
    static void SetUpTestSuite() {
        if (prosodyInstalled()) {
            server_ = new LobbyServer;
        }
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    static LobbyServer* server_;
};
LobbyServer* HostileInputs::server_ = nullptr;

TEST_P(HostileInputs, EachIsToldAndThePlayerStaysInTheRoom) {
    if (server_ == nullptr) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    ASSERT_EQ(server_->failure(), "");
    const Hostile& hostile = GetParam();
    Watcher player(server_->lobbyAddress(), "Player");
    ASSERT_TRUE(player.until([&] { return player.client.status() == LobbyClient::Status::inRoom; }))
        << ::testing::PrintToString(player.lines);

    RawClient raw(server_->lobbyAddress());
    const auto alsoRaw = [&] { raw.service(); };
    ASSERT_TRUE(player.until([&] { return raw.signedIn(); }, 30s, alsoRaw));
    const std::string room = roomOf("localhost");
    raw.send(filledIn(presence("v=2 state=waiting", true), room, player.client));
    ASSERT_TRUE(
        player.until([&] { return player.client.roster().contains("Mallory"); }, 30s, alsoRaw))
        << ::testing::PrintToString(player.lines);

    const std::string stanza = filledIn(hostile.stanza, room, player.client);
    for (int i = 0; i < hostile.times; ++i) {
        raw.send(stanza);
    }
    // The hostile client's last word comes after everything it sent.
    raw.send(filledIn(presence("v=2 state=hosting balls=8"), room, player.client));
    const auto lastWordHeard = [&] {
        const auto& states = player.states["Mallory"];
        return !states.empty() && states.back() == "hosting 8";
    };
    EXPECT_TRUE(
        player.until([&] { return lastWordHeard() && player.told(hostile.line); }, 60s, alsoRaw))
        << ::testing::PrintToString(player.lines);
    EXPECT_LT(player.chats, 100u) << "a flood is not kept";

    // Still in the room, and heard there.
    ASSERT_EQ(player.client.status(), LobbyClient::Status::inRoom);
    ASSERT_TRUE(player.client.say("still here"));
    EXPECT_TRUE(player.until([&] { return player.told("<Player> still here"); }, 30s, alsoRaw))
        << ::testing::PrintToString(player.lines);
}

INSTANTIATE_TEST_SUITE_P(Lobby, HostileInputs, ::testing::ValuesIn(hostiles),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace gloob::lobby::testing
