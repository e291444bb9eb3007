// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// One machine's session against another machine played by the test, on
// virtual time: what a misbehaving peer can and cannot make it do.
#include "fake_link.h"
#include "session_front_end.h"

#include "app/heartbeat.h"

#include <gtest/gtest.h>

namespace gloob::net::testing {
namespace {

using namespace std::chrono_literals;
using gloob::testing::PrintTo;

constexpr std::uint32_t sessionId = 0x5EED;

// A peer that kept the session waiting far longer than its silence limit.
struct HeldForEver {};

std::unique_ptr<OnlineSession> hostSession(FakeLink::Feed feed) {
    Agreement agreement;
    agreement.localSide = 1;
    agreement.inputDelay = minInputDelay;
    agreement.session = sessionId;
    return std::make_unique<OnlineSession>(std::make_unique<FakeLink>(std::move(feed)), agreement,
                                           std::vector<Message>{}, OnlineSession::Surroundings{});
}

// Each look at the network lasts what the session was ready to wait, at
// least a millisecond, and the test gives up after 20 s of virtual time.
Arrivals look(int waitMillis) {
    if (VirtualNetTime::elapsed() > 20s) {
        throw HeldForEver{};
    }
    Arrivals arrivals;
    arrivals.took = std::chrono::milliseconds(std::max(waitMillis, 1));
    return arrivals;
}

struct ChatterCase {
    const char* name;
    Message (*say)(std::uint32_t number); // one more message that is no input
};

class APeerThatDoesNotPlay : public ::testing::TestWithParam<ChatterCase> {};

TEST_P(APeerThatDoesNotPlay, EndsTheMatchAfterTheSilenceLimitWhateverElseItSends) {
    VirtualNetTime time;
    std::uint32_t said = 0;
    auto next = 500ms;
    SessionMachine host(hostSession([&](int wait) {
        Arrivals arrivals = look(wait);
        if (VirtualNetTime::elapsed() >= next) {
            arrivals.datagrams.push_back(encode(GetParam().say(++said)));
            next += 500ms;
        }
        return arrivals;
    }));
    bool stopped = false;
    ASSERT_NO_THROW(stopped = host.run(1000));
    EXPECT_TRUE(stopped);
    EXPECT_EQ(host.session->ended(), SessionEnd::peerSilent);
    EXPECT_LT(VirtualNetTime::elapsed(), silenceLimit + 500ms);
    EXPECT_GT(said, 4u) << "it kept talking";
}

INSTANTIATE_TEST_SUITE_P(
    Table, APeerThatDoesNotPlay,
    ::testing::Values(ChatterCase{"Pings",
                                  [](std::uint32_t n) -> Message {
                                      return Ping{sessionId, n};
                                  }},
                      ChatterCase{"StateHashes",
                                  [](std::uint32_t n) -> Message {
                                      return StateHash{sessionId, n * hashEverySteps * 1000, n};
                                  }},
                      ChatterCase{"BoxesClosed",
                                  [](std::uint32_t n) -> Message {
                                      return BoxClosed{sessionId, n};
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

struct GoodbyeCase {
    const char* name;
    // What arrives at the first look while a heartbeat waits for the peer.
    std::vector<Message> arrive;
    bool thenLost;
    std::int64_t stopsAtHeartbeat;
    bool player2Walks = false; // the key player 2 pressed was handed over
};

class Goodbyes : public ::testing::TestWithParam<GoodbyeCase> {};

TEST_P(Goodbyes, EndTheMatchWhereThePeerStoppedAndNoLater) {
    VirtualNetTime time;
    bool waiting = false;
    bool arrived = false;
    SessionMachine host(hostSession([&](int wait) {
        Arrivals arrivals = look(wait);
        // Waits look for a millisecond; the first such look gets it all.
        waiting = waiting || wait > 0;
        if (waiting && !arrived) {
            arrived = true;
            for (const Message& m : GetParam().arrive) {
                arrivals.datagrams.push_back(encode(m));
            }
            arrivals.lost = GetParam().thenLost;
        }
        return arrivals;
    }));
    bool stopped = false;
    ASSERT_NO_THROW(stopped = host.run(100));
    EXPECT_TRUE(stopped);
    EXPECT_EQ(host.session->ended(), SessionEnd::peerLeft);
    EXPECT_EQ(host.session->endMessage(), "The other player left the game.");
    EXPECT_EQ(host.engine->nowMicros(), GetParam().stopsAtHeartbeat * heartbeatMicros);
    EXPECT_LT(VirtualNetTime::elapsed(), 100ms) << "the end comes at once";
    EXPECT_EQ(host.engine->window().state.player2SpeedX != 0, GetParam().player2Walks);
}

constexpr std::int64_t farAway = std::int64_t{1} << 43;

INSTANTIATE_TEST_SUITE_P(
    Table, Goodbyes,
    ::testing::Values(
        // Its input never reached heartbeat 1, whatever it says.
        GoodbyeCase{
            "FarLastPointThenSilence", {Bye{sessionId, ByeReason::left, farAway}}, false, 1},
        // Its input covers heartbeats 3 to 5: all of them are played.
        GoodbyeCase{"LastFrameGoodbyeAndDisconnectInOneLook",
                    {InputFrame{sessionId, 0, 5 * heartbeatMicros, {}},
                     Bye{sessionId, ByeReason::left, 5 * heartbeatMicros}},
                    true,
                    6},
        // Its last frame holds a key for a heartbeat the host
        // played on a guess: played again with it, up to 5.
        GoodbyeCase{"ALateKeyThenGoodbye",
                    {InputFrame{sessionId,
                                0,
                                5 * heartbeatMicros,
                                {{1, 3 * heartbeatMicros, GameEvent::keyDown(65)}}},
                     Bye{sessionId, ByeReason::left, 5 * heartbeatMicros}},
                    true,
                    6,
                    true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::net::testing
