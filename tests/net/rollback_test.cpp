// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The host's machine against a player 2 whose input always comes eight
// heartbeats late, on virtual time: the host guesses (the keys held stay
// held), shows the guess, and plays again when the input comes. What it
// traces is the game with every input where it belongs, the same as one
// machine plays it; and where the guess decided a rally, the point goes as
// the real input has it.
#include "fake_link.h"
#include "session_front_end.h"

#include "app/heartbeat.h"
#include "script/trace_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <sstream>

namespace gloob::net::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t sessionId = 0x5EED;
constexpr std::int64_t lag = 8 * heartbeatMicros;
constexpr std::int64_t playedMicros = 7'200'000;

// An event at the first heartbeat at or after `ms`, where it is handed over.
struct Timed {
    std::int64_t stamp;
    GameEvent event;
};
Timed at(std::int64_t ms, GameEvent event) {
    return {heartbeatAtOrBefore(ms * 1000 + heartbeatMicros - 1), event};
}

// Player 1 hits the serve back over the net.
const std::vector<Timed> hostInput{at(0, GameEvent::of(EventKind::clickPlay)),
                                   at(2900, GameEvent::keyDown(37)),
                                   at(3300, GameEvent::keyUp(37))};

// Where the ball and the gloobs were shown at each main tick, and the first point.
struct Watch final : EngineObserver {
    const Engine* engine = nullptr;
    std::map<std::int64_t, std::array<float, 4>> shown;
    std::optional<std::pair<std::int64_t, int>> firstPoint; // when, and to whom
    void handlerReturned(std::int64_t micros, const Handler& handler,
                         const FrmGloob& frm) override {
        if (engine->replaying() || !handler.isMainTick()) {
            return;
        }
        const Scene& s = frm.scene;
        shown[micros] = {s.shpBall.Left, s.shpBall.Top, s.shpGloob1.Left, s.shpGloob2.Left};
        if (!firstPoint && frm.state.player1Score + frm.state.player2Score > 0) {
            firstPoint = {micros, frm.state.player1Score > 0 ? 1 : 2};
        }
    }
};

// One machine playing every input where it belongs: the game both should show.
struct Reference {
    std::ostringstream trace;
    Watch watch;
    explicit Reference(const std::vector<Timed>& guestInput) {
        std::vector<Timed> all = hostInput;
        all.insert(all.end(), guestInput.begin(), guestInput.end());
        std::stable_sort(all.begin(), all.end(),
                         [](const Timed& a, const Timed& b) { return a.stamp < b.stamp; });
        std::size_t next = 0;
        HeadlessFrontEnd front([&](Engine& e) {
            while (next < all.size() && all[next].stamp <= e.nowMicros()) {
                e.post(all[next++].event);
            }
        });
        gloob::testing::BlockTextRasteriser text;
        Engine engine(front, text, Pictures{});
        TraceWriter writer(trace);
        watch.engine = &engine;
        engine.addObserver(writer);
        engine.addObserver(watch);
        engine.setHeldKeys(1, true);
        engine.setHeldKeys(2, true);
        engine.start();
        while (engine.nowMicros() < playedMicros) {
            engine.runHeartbeat();
        }
    }
};

struct LateCase {
    const char* name;
    std::vector<Timed> guestInput;
    std::vector<Timed> guessed; // the guest's input as the guess had it when it mattered
};
void PrintTo(const LateCase& row, std::ostream* out) {
    *out << row.name;
}

class LateInput : public ::testing::TestWithParam<LateCase> {};

TEST_P(LateInput, IsPlayedWhereItBelongsAndDecidesThePoint) {
    VirtualNetTime time;
    const std::vector<Timed>& guest = GetParam().guestInput;
    const Engine* hostEngine = nullptr;
    std::int64_t frontier = 0;
    Agreement agreement;
    agreement.localSide = 1;
    agreement.inputDelay = 0;
    agreement.session = sessionId;
    // Player 2's frames reach only `lag` behind the host's game, or up to it
    // while the host waits.
    auto session = std::make_unique<OnlineSession>(
        std::make_unique<FakeLink>([&](int waitMillis) {
            Arrivals arrivals;
            arrivals.took = std::chrono::milliseconds(std::max(waitMillis, 1));
            const std::int64_t now = hostEngine != nullptr ? hostEngine->nowMicros() : 0;
            frontier = std::max(frontier, waitMillis > 0 ? now : now - lag);
            InputFrame frame{sessionId, 0, frontier, {}};
            for (std::size_t i = 0; i < guest.size() && guest[i].stamp <= frontier; ++i) {
                frame.events.push_back(
                    {static_cast<std::uint32_t>(i + 1), guest[i].stamp, guest[i].event});
            }
            arrivals.datagrams.push_back(encode(frame));
            return arrivals;
        }),
        agreement, std::vector<Message>{}, OnlineSession::Surroundings{});
    SessionMachine host(std::move(session));
    hostEngine = &*host.engine;
    std::ostringstream trace;
    HeldBackOutput held(trace);
    TraceWriter writer(held);
    Watch shown;
    shown.engine = &*host.engine;
    host.engine->addObserver(writer);
    host.engine->addHeldOutput(held);
    host.engine->addObserver(shown);
    std::size_t next = 0;
    while (host.engine->nowMicros() < playedMicros) {
        while (next < hostInput.size() &&
               hostInput[next].stamp <= host.engine->nextHeartbeatMicros()) {
            host.localInput.push_back(hostInput[next++].event);
        }
        ASSERT_FALSE(host.run(1));
    }

    const Reference played(guest);
    const Reference guessed(GetParam().guessed);
    const std::string confirmed = trace.str();
    ASSERT_GT(confirmed.size(), 100'000u);
    EXPECT_TRUE(played.trace.str().starts_with(confirmed)) << "the confirmed game is one machine's";
    EXPECT_GT(host.session->stats().rollbacks, 0);
    EXPECT_LE(host.session->stats().longestRollbackMicros, 10 * heartbeatMicros);
    int corrected = 0;
    for (const auto& [micros, court] : shown.shown) {
        corrected += played.watch.shown.at(micros) != court ? 1 : 0;
    }
    EXPECT_GT(corrected, 0) << "the guess was shown, then put right";
    EXPECT_EQ(shown.firstPoint, played.watch.firstPoint);
    EXPECT_NE(played.watch.firstPoint, guessed.watch.firstPoint)
        << "the late input decided the rally";
}

INSTANTIATE_TEST_SUITE_P(
    Table, LateInput,
    ::testing::Values(
        // Player 2 walks under the ball the guess had land: player 1's point is taken away.
        LateCase{"APointTakenAway",
                 {at(3950, GameEvent::keyDown(68)), at(4100, GameEvent::keyUp(68))},
                 {}},
        // Player 2 lets go of a key the guess held on: the ball goes by, player 1 scores.
        LateCase{"APointGiven",
                 {at(3700, GameEvent::keyDown(68)), at(3730, GameEvent::keyUp(68))},
                 {at(3700, GameEvent::keyDown(68)), at(3855, GameEvent::keyUp(68))}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::net::testing
