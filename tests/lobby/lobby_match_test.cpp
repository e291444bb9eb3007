// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Two gloob-sim processes meet in the game's own lobby on loopback and play:
// a third player in the room watches their states change, and the chat of
// one reaches the other. The lobby may go away in the middle of the match.

#include "lobby_server.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <signal.h>
#include <unistd.h>

namespace gloob::lobby::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using net::testing::ChildProcess;
using net::testing::readFile;
using net::testing::writeFile;

// A three-ball match both players walk and jump in; the host ends it.
const std::string hostScript = R"(0 menu 3
200 click play
2300 keydown 37
2700 keydown 38
2750 keyup 38
3300 keyup 37
4100 keydown 39
4700 keyup 39
6000 menu exit
)";
const std::string joinScript = R"(2200 keydown 68
2500 keydown 87
2510 keyup 87
3000 keyup 68
3500 keydown 65
5000 keyup 65
)";

struct Meeting {
    const char* name;
    bool stopLobbyMidMatch;
};
void PrintTo(const Meeting& row, std::ostream* out) {
    *out << row.name;
}

class LobbyMatches : public ::testing::TestWithParam<Meeting> {};

TEST_P(LobbyMatches, PlayersMeetPlayAndComeBackToWaiting) {
    if (!prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    const bool stopMidMatch = GetParam().stopLobbyMidMatch;
    LobbyServer server;
    ASSERT_EQ(server.failure(), "");
    const fs::path dir = server.folder();
    writeFile(dir / "host.script", hostScript);
    writeFile(dir / "join.script", joinScript);

    Watcher watcher(server.lobbyAddress(), "Watcher");
    ASSERT_TRUE(watcher.until([&] {
        return watcher.client.status() == LobbyClient::Status::inRoom;
    })) << ::testing::PrintToString(watcher.lines);
    EXPECT_FALSE(watcher.client.encrypted()) << "a lobby on loopback without certificates";

    // Paced, a match whose lobby stops lasts long after both say they play.
    const std::vector<std::string> paced =
        stopMidMatch ? std::vector<std::string>{"--paced"} : std::vector<std::string>{};
    auto args = [&](std::vector<std::string> own) {
        own.insert(own.end(), paced.begin(), paced.end());
        return own;
    };
    ChildProcess host(GLOOB_SIM_BINARY,
                      args({"--lobby", server.address(), "--name", "Ann", "--say",
                            "anyone for a match?", "--offer", (dir / "host.script").string()}),
                      dir / "host.trace", dir / "host.err");
    ChildProcess join(GLOOB_SIM_BINARY,
                      args({"--lobby", server.address(), "--name", "Zo\xC3\xAB", "--meet", "Ann",
                            (dir / "join.script").string()}),
                      dir / "join.trace", dir / "join.err");
    const auto playing = [&](const char* nick, const char* with) {
        const auto& seen = watcher.states[nick];
        return std::find(seen.begin(), seen.end(), std::string("playing ") + with) != seen.end();
    };
    ASSERT_TRUE(watcher.until(
        [&] { return playing("Ann", "Zo\xC3\xAB") && playing("Zo\xC3\xAB", "Ann"); }, 60s))
        << ::testing::PrintToString(watcher.states) << readFile(dir / "host.err")
        << readFile(dir / "join.err");
    if (stopMidMatch) {
        server.stop();
    }
    const auto ended = [&] { return host.poll() && join.poll(); };
    if (stopMidMatch) {
        EXPECT_TRUE(host.wait(60s) >= 0 && join.wait(10s) >= 0);
    } else {
        watcher.until(
            [&] {
                return ended() && watcher.states["Ann"].back() == "gone" &&
                       watcher.states["Zo\xC3\xAB"].back() == "gone";
            },
            60s);
    }
    ASSERT_TRUE(ended());
    EXPECT_EQ(*host.poll(), 0) << readFile(dir / "host.err");
    EXPECT_EQ(*join.poll(), 0) << readFile(dir / "join.err");

    const std::string hostTrace = readFile(dir / "host.trace");
    EXPECT_GT(hostTrace.size(), 50'000u);
    EXPECT_TRUE(hostTrace == readFile(dir / "join.trace")) << "the two traces differ";
    EXPECT_NE(hostTrace.find("\"ev\":\"exit\""), std::string::npos)
        << "the match ended at its Exit";

    // The chat said before Zoë came in reached her and the watcher.
    EXPECT_NE(readFile(dir / "join.err").find("<Ann> anyone for a match?"), std::string::npos);
    EXPECT_TRUE(watcher.told("<Ann> anyone for a match?"));
    if (stopMidMatch) {
        EXPECT_NE(readFile(dir / "host.err").find("lobby: the lobby closed the connection"),
                  std::string::npos)
            << readFile(dir / "host.err");
    } else {
        const std::vector<std::string> ann{"waiting", "hosting 3", "playing Zo\xC3\xAB", "waiting",
                                           "gone"};
        const std::vector<std::string> zoe{"waiting", "playing Ann", "waiting", "gone"};
        EXPECT_EQ(watcher.states["Ann"], ann);
        EXPECT_EQ(watcher.states["Zo\xC3\xAB"], zoe);
    }
}

INSTANTIATE_TEST_SUITE_P(Lobby, LobbyMatches,
                         ::testing::Values(Meeting{"Whole", false},
                                           Meeting{"LobbyStopsMidMatch", true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::lobby::testing
