// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A player's stay in the lobby as the window has it: the back-off between
// tries to sign in again, a host and a joiner introduced through the game's
// own lobby on loopback, and the lobby going away and coming back.

#include "lobby/lobby_session.h"
#include "lobby_server.h"
#include "net/protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <thread>

namespace gloob::lobby::testing {
namespace {

using namespace std::chrono_literals;
using Clock = LobbySession::Clock;

struct Backoff {
    int failures;            // tries failed before this one
    Clock::duration atLeast; // the wait before the next try
};
void PrintTo(const Backoff& row, std::ostream* out) {
    *out << row.failures << " failures";
}

class SignInWaits : public ::testing::TestWithParam<Backoff> {};

// Each wait doubles up to a minute, stretched by less than a quarter.
TEST_P(SignInWaits, DoubleUpToAMinute) {
    for (std::uint32_t seed : {0u, 1u, 77u, 0xffffffffu}) {
        SignInBackoff backoff(seed);
        const Clock::time_point now{};
        for (int i = 0; i < GetParam().failures; ++i) {
            backoff.failed(now);
        }
        const auto wait = backoff.failed(now) - now;
        EXPECT_GE(wait, GetParam().atLeast) << "seed " << seed;
        EXPECT_LT(wait, GetParam().atLeast * 5 / 4) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SignInWaits,
                         ::testing::Values(Backoff{0, 1s}, Backoff{1, 2s}, Backoff{2, 4s},
                                           Backoff{5, 32s}, Backoff{6, 60s}, Backoff{40, 60s}),
                         [](const auto& info) {
                             return "After" + std::to_string(info.param.failures) + "Failures";
                         });

TEST(SignInBackoff, StartsAgainOnceInTheRoomAndDiffersBetweenPlayers) {
    SignInBackoff first(1);
    SignInBackoff second(2);
    const Clock::time_point now{};
    for (int i = 0; i < 4; ++i) {
        first.failed(now);
    }
    first.succeeded();
    EXPECT_LT(first.failed(now) - now, 2s);
    EXPECT_NE(SignInBackoff(1).failed(now), second.failed(now));
}

// Polls the sessions until `done`, keeping every line and event kind.
struct Room {
    std::vector<LobbySession*> players;
    std::vector<std::string> lines;
    std::vector<std::vector<LobbySession::Event>> events;

    bool until(const std::function<bool()>& done, std::chrono::seconds limit = 30s) {
        events.resize(players.size());
        const auto stop = Clock::now() + limit;
        while (!done() && Clock::now() < stop) {
            for (std::size_t i = 0; i < players.size(); ++i) {
                players[i]->poll(Clock::now());
                for (auto& e : players[i]->takeEvents()) {
                    if (e.kind == LobbySession::Event::Kind::line) {
                        lines.push_back(std::to_string(i) + ": " + e.text);
                    }
                    events[i].push_back(std::move(e));
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        return done();
    }
    const LobbySession::Event* find(std::size_t player, LobbySession::Event::Kind kind) const {
        const auto& seen = events[player];
        const auto found =
            std::find_if(seen.begin(), seen.end(), [&](const auto& e) { return e.kind == kind; });
        return found != seen.end() ? &*found : nullptr;
    }
};

std::optional<PlayerState> stateOf(const LobbySession& session, const std::string& name) {
    for (const auto& [nick, occupant] : session.roster()) {
        if (occupant.name == name) {
            return occupant.state;
        }
    }
    return std::nullopt;
}

TEST(LobbySession, IntroducesAHostAndAJoinerAndOnlyOne) {
    if (!prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    LobbyServer server;
    ASSERT_EQ(server.failure(), "");
    LobbySession ann(server.lobbyAddress(), "Ann", net::protocolVersion);
    LobbySession bob(server.lobbyAddress(), "Bob", net::protocolVersion);
    LobbySession cid(server.lobbyAddress(), "Cid", net::protocolVersion);
    Room room{{&ann, &bob, &cid}, {}, {}};
    ASSERT_TRUE(room.until([&] { return ann.inRoom() && bob.inRoom() && cid.inRoom(); }))
        << ::testing::PrintToString(room.lines);
    // The lobby names its STUN server by its domain, which a player who
    // reached it by its address reaches it by.
    ASSERT_TRUE(room.until([&] { return ann.stunServer().has_value(); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_EQ(*ann.stunServer(), (ServiceAddress{"127.0.0.1", 3478}));

    ann.host(3, 4242);
    ASSERT_TRUE(room.until([&] { return bob.joinable("Ann") && cid.joinable("Ann"); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_FALSE(bob.joinable("Cid")) << "Cid only waits";
    ASSERT_TRUE(bob.join("Ann", Clock::now()));
    EXPECT_FALSE(bob.join("Ann", Clock::now())) << "one request at a time";
    ASSERT_TRUE(room.until([&] { return room.find(1, LobbySession::Event::Kind::meet); }))
        << ::testing::PrintToString(room.lines);
    const auto* meet = room.find(1, LobbySession::Event::Kind::meet);
    EXPECT_EQ(meet->where, (Candidate{"127.0.0.1", 4242}));
    const auto* accepted = room.find(0, LobbySession::Event::Kind::accepted);
    ASSERT_NE(accepted, nullptr);
    EXPECT_EQ(ann.shownName(accepted->from), "Bob");

    // The window says both play; a late joiner, who still saw Ann hosting, is declined.
    ASSERT_TRUE(cid.join("Ann", Clock::now()));
    ann.playing("Bob");
    bob.playing("Ann");
    ASSERT_TRUE(room.until([&] {
        return std::any_of(room.lines.begin(), room.lines.end(),
                           [](const std::string& l) { return l == "2: Ann declined"; });
    })) << ::testing::PrintToString(room.lines);
    EXPECT_EQ(room.find(2, LobbySession::Event::Kind::meet), nullptr);
    ASSERT_TRUE(room.until([&] {
        const auto seen = stateOf(cid, "Ann");
        return seen && seen->activity == Activity::playing && seen->with == "Bob";
    }));

    ann.waiting();
    bob.waiting();
    EXPECT_TRUE(room.until([&] {
        const auto a = stateOf(cid, "Ann");
        const auto b = stateOf(cid, "Bob");
        return a && b && a->activity == Activity::waiting && b->activity == Activity::waiting;
    }));
}

// A challenge, and a join to a host who asks first, are put to the player
// asked, whose answer decides: yes introduces the two, no tells the asker.
TEST(LobbySession, ChallengesAndJoinsAskedFirstAreThePlayersToAnswer) {
    if (!prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    using Kind = LobbySession::Event::Kind;
    LobbyServer server;
    ASSERT_EQ(server.failure(), "");
    LobbySession ann(server.lobbyAddress(), "Ann", net::protocolVersion);
    LobbySession bob(server.lobbyAddress(), "Bob", net::protocolVersion);
    Room room{{&ann, &bob}, {}, {}};
    ASSERT_TRUE(room.until([&] { return ann.challengeable("Bob") && bob.challengeable("Ann"); }))
        << ::testing::PrintToString(room.lines);

    // Declined: the challenger hears it and may ask again.
    ASSERT_TRUE(ann.challenge("Bob", Clock::now()));
    EXPECT_FALSE(ann.challengeable("Bob")) << "one request at a time";
    ASSERT_TRUE(room.until([&] { return room.find(1, Kind::asking); }));
    EXPECT_EQ(room.find(1, Kind::asking)->text, "challenge");
    bob.decline(room.find(1, Kind::asking)->from);
    ASSERT_TRUE(room.until([&] { return ann.challengeable("Bob"); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_EQ(room.find(0, Kind::meet), nullptr);

    // Accepted: the challenged player hosts, and the challenger meets them there.
    room.events = {};
    ASSERT_TRUE(ann.challenge("Bob", Clock::now()));
    ASSERT_TRUE(room.until([&] { return room.find(1, Kind::asking); }));
    ASSERT_TRUE(bob.accept(room.find(1, Kind::asking)->from, 5151));
    ASSERT_TRUE(room.until([&] { return room.find(0, Kind::meet); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_EQ(room.find(0, Kind::meet)->where, (Candidate{"127.0.0.1", 5151}));

    // A host who asks first: nothing happens until they say yes.
    ann.waiting();
    bob.host(5, 6161, true);
    ASSERT_TRUE(room.until([&] { return ann.joinable("Bob"); }));
    room.events = {};
    ASSERT_TRUE(ann.join("Bob", Clock::now()));
    ASSERT_TRUE(room.until([&] { return room.find(1, Kind::asking); }));
    EXPECT_EQ(room.find(1, Kind::asking)->text, "join");
    EXPECT_EQ(room.find(0, Kind::meet), nullptr);
    ASSERT_TRUE(bob.accept(room.find(1, Kind::asking)->from));
    ASSERT_TRUE(room.until([&] { return room.find(0, Kind::meet); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_EQ(room.find(0, Kind::meet)->where, (Candidate{"127.0.0.1", 6161}));
}

// A lobby that asks for an account lets in who has one; a wrong password is
// told once, and not tried again.
TEST(LobbySession, SignsInWithAnAccountAndStopsWhenRefused) {
    if (!prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    LobbyServer server(0, true);
    ASSERT_EQ(server.failure(), "");
    ASSERT_TRUE(server.addAccount("ann", "s3cret"));
    LobbySession ann(server.lobbyAddress(), "Ann", net::protocolVersion, Account{"ann", "s3cret"});
    LobbySession eve(server.lobbyAddress(), "Eve", net::protocolVersion, Account{"ann", "guessed"});
    Room room{{&ann, &eve}, {}, {}};
    ASSERT_TRUE(room.until([&] { return ann.inRoom() && eve.refused(); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_NE(std::find(room.lines.begin(), room.lines.end(),
                        "1: could not sign in to the lobby: is the account or password wrong?"),
              room.lines.end())
        << ::testing::PrintToString(room.lines);
    EXPECT_FALSE(eve.retryAt().has_value());
}

// The lobby goes away: the player is told, tries again with back-off, and
// is back in the room, saying what they do, once the lobby is.
TEST(LobbySession, SignsInAgainWhenTheLobbyComesBack) {
    if (!prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    auto server = std::make_unique<LobbyServer>();
    ASSERT_EQ(server->failure(), "");
    const LobbyAddress address = server->lobbyAddress();
    LobbySession ann(address, "Ann", net::protocolVersion);
    Room room{{&ann}, {}, {}};
    ASSERT_TRUE(room.until([&] { return ann.inRoom(); })) << ::testing::PrintToString(room.lines);
    ann.playing("Bob");

    server.reset();
    ASSERT_TRUE(room.until([&] { return ann.retryAt().has_value(); }))
        << ::testing::PrintToString(room.lines);
    EXPECT_TRUE(ann.roster().empty());
    EXPECT_TRUE(std::any_of(room.lines.begin(), room.lines.end(), [](const std::string& l) {
        return l.find("signing in again in") != std::string::npos;
    })) << ::testing::PrintToString(room.lines);

    server = std::make_unique<LobbyServer>(address.port);
    ASSERT_EQ(server->failure(), "");
    LobbySession watcher(address, "Cid", net::protocolVersion);
    room.players.push_back(&watcher);
    EXPECT_TRUE(room.until([&] {
        const auto seen = stateOf(watcher, "Ann");
        return ann.inRoom() && seen && seen->activity == Activity::playing;
    })) << ::testing::PrintToString(room.lines);
}

} // namespace
} // namespace gloob::lobby::testing
