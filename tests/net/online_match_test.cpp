// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Whole online matches on loopback: two gloob-sim processes, one hosting and
// one joining through a relay that delays, jitters, loses, duplicates,
// replays, cuts and invents datagrams, while a third machine tries to join.
// Both traces must be the same, and the same as gloob-sim's on either
// recording.

#include "child_process.h"
#include "relay.h"

#include "net/handshake.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace gloob::net::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A gloob-sim process with its standard output and error in files.
struct SimProcess : ChildProcess {
    SimProcess(const std::vector<std::string>& args, const fs::path& out, const fs::path& err,
               const std::vector<std::string>& environment = {})
        : ChildProcess(GLOOB_SIM_BINARY, args, out, err, environment) {}
};

// The port the host names on its standard error.
std::optional<std::uint16_t> hostPort(const fs::path& err) {
    const auto until = std::chrono::steady_clock::now() + 10s;
    const std::regex line("hosting on UDP port ([0-9]+)");
    while (std::chrono::steady_clock::now() < until) {
        std::smatch match;
        const std::string text = readFile(err);
        if (std::regex_search(text, match, line)) {
            return static_cast<std::uint16_t>(std::stoi(match[1]));
        }
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

// Player 1 hosts a three-ball match on the beach; both players walk and jump,
// player 2 reads the instructions (player 1 waits) and leaves the window for
// a moment holding a key; player 1 reads About; player 1 ends it all with Exit.
const std::string hostScript = R"(0 menu 3
0 menu beach
200 click play
2300 keydown 37
2700 keydown 38
2750 keyup 38
3300 keyup 37
4100 keydown 39
4700 keyup 39
6100 keydown 38
6120 keydown 37
6500 keyup 38
7200 keyup 37
9000 menu about
9400 keydown 39
11000 keyup 39
13000 keydown 37
13500 keydown 38
14000 keyup 38
15000 keyup 37
)";
const std::string joinScript = R"(2200 keydown 68
2500 keydown 87
2510 keyup 87
3000 keyup 68
3500 keydown 65
5000 keyup 65
5400 menu instructions
5500 keydown 68
6000 focusout
6300 keydown 87
6400 keyup 87
8000 keydown 65
8800 keyup 65
10500 keydown 68
10900 keydown 87
11200 keyup 87
12500 keyup 68
)";

struct MatchCase {
    const char* name;
    Impairment impairment;
    // At the window's pace, so that each machine guesses ahead of the
    // other's input and plays again when it comes.
    bool paced = true;
    int joinerClockPercent = 100;
};
void PrintTo(const MatchCase& row, std::ostream* out) {
    *out << row.name;
}

class OnlineMatches : public ::testing::TestWithParam<MatchCase> {};

TEST_P(OnlineMatches, BothTracesAreTheSameAndReplayFromEitherRecording) {
    // A folder of this process's own: other runs of the tests may share the machine.
    const fs::path dir =
        fs::path(::testing::TempDir()) /
        ("online_" + std::string(GetParam().name) + "_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string exitAt = GetParam().impairment.hostile ? "17000" : "16000";
    writeFile(dir / "host.script", hostScript + exitAt + " menu exit\n");
    writeFile(dir / "join.script", joinScript);

    const auto args = [&](std::vector<std::string> first, const char* name) {
        if (GetParam().paced) {
            first.push_back("--paced");
        }
        for (const std::string& more :
             {std::string("--record"), (dir / (std::string(name) + ".rec")).string(),
              (dir / (std::string(name) + ".script")).string()}) {
            first.push_back(more);
        }
        return first;
    };
    SimProcess host(args({"--host", "0"}, "host"), dir / "host.trace", dir / "host.err", {});
    const auto port = hostPort(dir / "host.err");
    ASSERT_TRUE(port.has_value()) << readFile(dir / "host.err");
    Relay relay(*port, GetParam().impairment, 7);
    std::thread relaying([&] { relay.run(); });
    SimProcess join(args({"--join", "127.0.0.1:" + std::to_string(relay.port())}, "join"),
                    dir / "join.trace", dir / "join.err",
                    {"GLOOB_CLOCK_PERCENT=" + std::to_string(GetParam().joinerClockPercent)});
    const int hostStatus = host.wait(45s);
    const int joinStatus = join.wait(10s);
    relay.stop();
    relaying.join();

    EXPECT_EQ(hostStatus, 0) << readFile(dir / "host.err");
    EXPECT_EQ(joinStatus, 0) << readFile(dir / "join.err");
    const std::string hostTrace = readFile(dir / "host.trace");
    const std::string joinTrace = readFile(dir / "join.trace");
    ASSERT_GT(hostTrace.size(), 100'000u);
    EXPECT_TRUE(hostTrace == joinTrace) << "the traces differ; kept in " << dir;
    EXPECT_NE(hostTrace.find(R"("ev":"msgbox")"), std::string::npos);
    EXPECT_TRUE(std::regex_search(hostTrace, std::regex(R"("score":\[(3,[0-2]|[0-2],3),3\])")))
        << "a whole match of three balls";
    EXPECT_TRUE(hostTrace.ends_with("\"ev\":\"exit\"}\n")) << "ended by the host's Exit";

    for (const char* recording : {"host.rec", "join.rec"}) {
        SimProcess replay({(dir / recording).string()}, dir / (std::string(recording) + ".trace"),
                          dir / (std::string(recording) + ".err"));
        EXPECT_EQ(replay.wait(30s), 0);
        EXPECT_TRUE(readFile(dir / (std::string(recording) + ".trace")) == hostTrace)
            << recording << " replays to another trace; kept in " << dir;
    }
    const RelayStats& seen = relay.stats();
    EXPECT_GT(seen.forwarded, 500u);
    if (GetParam().impairment.loss > 0) {
        EXPECT_GT(seen.lost, 0u);
    }
    if (GetParam().impairment.hostile) {
        EXPECT_GT(seen.invented, 0u);
        EXPECT_NE(seen.thirdJoiner.find("already playing"), std::string::npos)
            << "the third machine heard: " << seen.thirdJoiner;
    }
    if (!HasFailure()) {
        fs::remove_all(dir);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Relay, OnlineMatches,
    ::testing::Values(MatchCase{"RoundTrip0ms", {0ms, 2ms, 0.05, 0.0, false}},
                      MatchCase{"RoundTrip50ms", {25ms, 5ms, 0.05, 0.0, false}},
                      MatchCase{"RoundTrip100ms", {50ms, 8ms, 0.05, 0.0, false}},
                      MatchCase{"RoundTrip150ms", {75ms, 10ms, 0.05, 0.0, false}},
                      MatchCase{"RoundTrip250ms", {125ms, 15ms, 0.05, 0.0, false}},
                      MatchCase{
                          "JoinersClock1PercentFast", {50ms, 8ms, 0.05, 0.0, false}, true, 101},
                      MatchCase{"Unpaced300ms", {150ms, 20ms, 0.05, 0.0, false}, false},
                      MatchCase{"Hostile", {20ms, 5ms, 0.05, 0.05, true}, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
// The host's rule of who serves holds on both machines: the joiner's game
// serves from player 2's side too.
TEST(OnlineServe, TheHostsRuleHoldsOnBoth) {
    const fs::path dir =
        fs::path(::testing::TempDir()) / ("online_serve_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    writeFile(dir / "host.script", "0 serve alternate\n200 click play\n9500 menu exit\n");
    writeFile(dir / "join.script", "");
    SimProcess host({"--host", "0", (dir / "host.script").string()}, dir / "host.trace",
                    dir / "host.err");
    const auto port = hostPort(dir / "host.err");
    ASSERT_TRUE(port.has_value()) << readFile(dir / "host.err");
    SimProcess join(
        {"--join", "127.0.0.1:" + std::to_string(*port), (dir / "join.script").string()},
        dir / "join.trace", dir / "join.err");
    EXPECT_EQ(host.wait(30s), 0) << readFile(dir / "host.err");
    EXPECT_EQ(join.wait(10s), 0) << readFile(dir / "join.err");
    const std::string joinTrace = readFile(dir / "join.trace");
    EXPECT_NE(joinTrace.find(R"("ball":[840,1080,-65,70,1])"), std::string::npos)
        << "player 2 served on the joiner's machine";
    EXPECT_TRUE(joinTrace == readFile(dir / "host.trace")) << "kept in " << dir;
    if (!HasFailure()) {
        fs::remove_all(dir);
    }
}

} // namespace gloob::net::testing
