// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "net/lockstep.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace gloob::net {
namespace {

constexpr std::int64_t H = heartbeatMicros;
constexpr int delay = 3;

std::vector<std::string> names(const std::vector<GameEvent>& events) {
    std::vector<std::string> out;
    for (const GameEvent& e : events) {
        out.push_back(std::to_string(e.origin) + ":" + eventName(e));
    }
    return out;
}

TEST(Lockstep, HandsOverAtTheFirstPointAtOrAfterTheStampPlayer1First) {
    LockstepBuffer host(1, delay);
    LockstepBuffer joiner(2, delay);
    host.takeLocal(H, {GameEvent::keyDown(37), GameEvent::of(EventKind::clickPlay)});
    joiner.takeLocal(H, {GameEvent::keyDown(65)});
    ASSERT_EQ(joiner.receive(host.frame(1)), LockstepBuffer::Verdict::accepted);
    ASSERT_EQ(host.receive(joiner.frame(1)), LockstepBuffer::Verdict::accepted);

    // Stamped at 4 heartbeats; nothing is due before.
    for (const std::int64_t point : {2 * H, 3 * H, 4 * H - 1}) {
        EXPECT_TRUE(host.ready(point));
        EXPECT_TRUE(host.takeDue(point).empty()) << point;
    }
    const std::vector<std::string> expected{"1:keydown 37", "1:click play", "2:keydown 65"};
    EXPECT_EQ(names(host.takeDue(4 * H + 500)), expected);
    EXPECT_EQ(names(joiner.takeDue(4 * H + 500)), expected);
    EXPECT_TRUE(host.takeDue(5 * H).empty()) << "handed over once";
}

TEST(Lockstep, WaitsForThePeersFrontier) {
    LockstepBuffer host(1, delay);
    EXPECT_TRUE(host.ready(delay * H)) << "the first heartbeats need no word from the peer";
    EXPECT_FALSE(host.ready(delay * H + 1));
    LockstepBuffer joiner(2, delay);
    joiner.takeLocal(H, {});
    EXPECT_EQ(joiner.frame(9).frontier, H + delay * H);
    host.receive(joiner.frame(9));
    EXPECT_TRUE(host.ready(H + delay * H));
    EXPECT_FALSE(host.ready(H + delay * H + 1));
}

// A paced wait pumps every 100 ms: what the joiner promised while pacing to
// its next pump lets the host hand that pump over without waiting for it,
// and whatever the joiner then takes there is still accepted.
TEST(Lockstep, APromiseWhilePacingCoversTheStepsOfAWaitButNoInputToCome) {
    LockstepBuffer host(1, delay);
    LockstepBuffer joiner(2, delay);
    const std::int64_t pump = 10 * H;
    const std::int64_t nextPump = pump + 100'000;
    host.takeLocal(pump, {});
    joiner.takeLocal(pump, {});
    ASSERT_EQ(joiner.receive(host.frame(1)), LockstepBuffer::Verdict::accepted);
    joiner.promiseQuietUntil(nextPump);
    ASSERT_EQ(host.receive(joiner.frame(1)), LockstepBuffer::Verdict::accepted);
    EXPECT_TRUE(host.ready(nextPump));
    EXPECT_EQ(host.remoteFrontier(), nextPump - 1 + delay * H);

    joiner.takeLocal(nextPump, {GameEvent::keyDown(65)});
    ASSERT_EQ(host.receive(joiner.frame(1)), LockstepBuffer::Verdict::accepted);
    EXPECT_EQ(names(host.takeDue(nextPump + delay * H)), std::vector<std::string>{"2:keydown 65"});

    // However far the pacing goes, the promise stays within the host's reach.
    joiner.promiseQuietUntil(nextPump + 10'000'000);
    EXPECT_GT(joiner.localFrontier(), nextPump + delay * H);
    EXPECT_EQ(host.receive(joiner.frame(1)), LockstepBuffer::Verdict::accepted);
}

TEST(Lockstep, RepeatedAndStaleFramesChangeNothing) {
    LockstepBuffer host(1, delay);
    LockstepBuffer joiner(2, delay);
    joiner.takeLocal(H, {GameEvent::keyDown(65)});
    const InputFrame first = joiner.frame(1);
    joiner.takeLocal(2 * H, {GameEvent::keyUp(65)});
    const InputFrame second = joiner.frame(1);
    EXPECT_EQ(host.receive(second), LockstepBuffer::Verdict::accepted);
    EXPECT_EQ(host.receive(second), LockstepBuffer::Verdict::accepted);
    EXPECT_EQ(host.receive(first), LockstepBuffer::Verdict::accepted) << "arrived late";
    EXPECT_EQ(host.waitingFromPeer(), 2u);
    EXPECT_EQ(host.remoteFrontier(), 2 * H + delay * H);
    EXPECT_EQ(names(host.takeDue(10 * H)),
              (std::vector<std::string>{"2:keydown 65", "2:keyup 65"}));
}

TEST(Lockstep, AcknowledgedEventsAreNoLongerSent) {
    LockstepBuffer host(1, delay);
    LockstepBuffer joiner(2, delay);
    host.takeLocal(H, {GameEvent::keyDown(37), GameEvent::keyUp(37)});
    EXPECT_EQ(host.frame(1).events.size(), 2u);
    joiner.receive(host.frame(1));
    joiner.takeLocal(H, {});
    host.receive(joiner.frame(1));
    EXPECT_EQ(host.unacknowledged(), 0u);
    EXPECT_TRUE(host.frame(1).events.empty());
}

struct Refusal {
    const char* name;
    // Changes a valid frame of player 2's two events into one the host must refuse.
    std::function<void(InputFrame&)> spoil;
    std::string why;
};
void PrintTo(const Refusal& row, std::ostream* out) {
    *out << row.name;
}

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, KeepNothingOfTheFrame) {
    LockstepBuffer host(1, delay);
    host.takeLocal(H, {GameEvent::keyDown(37)});
    LockstepBuffer joiner(2, delay);
    joiner.takeLocal(H, {GameEvent::keyDown(65), GameEvent::keyDown(87)});
    InputFrame frame = joiner.frame(1);
    GetParam().spoil(frame);
    EXPECT_EQ(host.receive(frame), LockstepBuffer::Verdict::refused);
    EXPECT_EQ(host.refusal(), GetParam().why);
    EXPECT_EQ(host.waitingFromPeer(), 0u);
    EXPECT_EQ(host.remoteFrontier(), delay * H);
    EXPECT_EQ(host.unacknowledged(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Refusals,
    ::testing::Values(
        Refusal{"AGapInTheSequence", [](InputFrame& f) { f.events.erase(f.events.begin()); },
                "a gap in the sequence of events"},
        Refusal{"AnAckOfEventsNeverSent", [](InputFrame& f) { f.ack = 2; },
                "acknowledges events never sent"},
        Refusal{"AFrontierBeyondTheLocksteps",
                [](InputFrame& f) {
                    f.frontier =
                        (1 + delay) * H + maxPredictedHeartbeats * H + 100'000 + delay * H + 1;
                },
                "frontier beyond the lockstep's reach"},
        Refusal{"ANewEventBehindTheFrontier",
                [](InputFrame& f) { f.events[0].stamp = f.events[1].stamp = delay * H; },
                "a new event behind the frontier already passed"},
        Refusal{"AStampAfterTheFrontier", [](InputFrame& f) { f.events[1].stamp += 1; },
                "stamps out of order"},
        Refusal{"StampsGoingBack", [](InputFrame& f) { f.events[0].stamp += 1; },
                "stamps out of order"},
        Refusal{"TheOtherPlayersKey", [](InputFrame& f) { f.events[1].event.keyCode = 39; },
                "an event that player may not send"},
        Refusal{"TheHostsMatchLength",
                [](InputFrame& f) { f.events[1].event = GameEvent::menu(MenuId::mnu8); },
                "an event that player may not send"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lockstep, ANewEventAtAFrontierAlreadyPassedIsRefusedLaterToo) {
    LockstepBuffer host(1, delay);
    LockstepBuffer joiner(2, delay);
    joiner.takeLocal(H, {});
    host.receive(joiner.frame(1)); // the joiner promised: nothing up to 4 heartbeats
    host.takeLocal(H, {});
    InputFrame forged = joiner.frame(1);
    forged.events.push_back({1, 4 * H, GameEvent::keyDown(65)});
    EXPECT_EQ(host.receive(forged), LockstepBuffer::Verdict::refused);
}

TEST(Lockstep, AFrameCarriesAtMostItsShareAndAFrontierShortOfTheRest) {
    LockstepBuffer host(1, delay);
    for (const std::int64_t point : {H, 2 * H, 3 * H}) {
        host.takeLocal(point, std::vector<GameEvent>(30, GameEvent::keyDown(37)));
    }
    const InputFrame frame = host.frame(1);
    EXPECT_EQ(frame.events.size(), 60u) << "whole delivery points only";
    EXPECT_EQ(frame.frontier, 3 * H + delay * H - 1);
    LockstepBuffer joiner(2, delay);
    for (const std::int64_t point : {H, 2 * H, 3 * H}) {
        joiner.takeLocal(point, {});
    }
    ASSERT_EQ(joiner.receive(frame), LockstepBuffer::Verdict::accepted);
    EXPECT_FALSE(joiner.ready(3 * H + delay * H));
    host.receive(joiner.frame(1));
    ASSERT_EQ(joiner.receive(host.frame(1)), LockstepBuffer::Verdict::accepted);
    EXPECT_TRUE(joiner.ready(3 * H + delay * H));
    EXPECT_EQ(joiner.takeDue(3 * H + delay * H).size(), 90u);
}

TEST(Lockstep, APeerThatNeverAcknowledgesEndsTheSession) {
    LockstepBuffer host(1, delay);
    bool kept = true;
    std::int64_t point = H;
    for (std::size_t sent = 0; sent <= LockstepBuffer::maxUnacknowledged && kept; sent += 8) {
        kept = host.takeLocal(point, std::vector<GameEvent>(8, GameEvent::keyDown(38)));
        point += H;
    }
    EXPECT_FALSE(kept);
}

TEST(Lockstep, APeerThatSendsMoreThanCanWaitIsDropped) {
    LockstepBuffer host(1, maxInputDelay);
    host.takeLocal(H, {});
    LockstepBuffer joiner(2, maxInputDelay);
    LockstepBuffer::Verdict verdict = LockstepBuffer::Verdict::accepted;
    std::int64_t point = H;
    for (int i = 0; i < 40 && verdict == LockstepBuffer::Verdict::accepted; ++i) {
        joiner.takeLocal(point++, std::vector<GameEvent>(LockstepBuffer::maxEventsPerPoint,
                                                         GameEvent::keyDown(87)));
        verdict = host.receive(joiner.frame(1));
        InputFrame ack = host.frame(1);
        joiner.receive(ack);
    }
    EXPECT_EQ(verdict, LockstepBuffer::Verdict::overflow);
    EXPECT_LE(host.waitingFromPeer(), LockstepBuffer::maxWaitingFromPeer);
}

// Two machines stepping through the same delivery points, each frame lost
// with some chance: both hand over the same events at the same points.
TEST(Lockstep, BothMachinesHandOverTheSameEventsWhateverIsLost) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
        std::array<LockstepBuffer, 2> side{LockstepBuffer(1, delay), LockstepBuffer(2, delay)};
        std::array<std::size_t, 2> at{0, 0}; // index into points
        std::array<std::vector<std::string>, 2> handed;
        std::vector<std::int64_t> points;
        for (std::int64_t t = H; t < 400 * H; t += chance(0.2) ? 6'250 : H) {
            points.push_back(t);
        }
        std::array<bool, 2> taken{false, false};
        for (int round = 0; round < 100'000 && (at[0] < points.size() || at[1] < points.size());
             ++round) {
            const std::size_t s = chance(0.5) ? 0 : 1;
            if (at[s] < points.size()) {
                const std::int64_t point = points[at[s]];
                if (!taken[s]) {
                    std::vector<GameEvent> input;
                    if (chance(0.3)) {
                        input.push_back(GameEvent::keyDown(s == 0 ? 37 : 65));
                    }
                    side[s].takeLocal(point, input);
                    taken[s] = true;
                }
                if (side[s].ready(point)) {
                    for (const std::string& n : names(side[s].takeDue(point))) {
                        handed[s].push_back(std::to_string(point) + " " + n);
                    }
                    ++at[s];
                    taken[s] = false;
                }
            }
            if (!chance(0.3)) { // the frame is lost
                ASSERT_EQ(side[1 - s].receive(side[s].frame(1)), LockstepBuffer::Verdict::accepted);
            }
        }
        ASSERT_EQ(at[0], points.size()) << "seed " << seed;
        ASSERT_EQ(at[1], points.size()) << "seed " << seed;
        EXPECT_EQ(handed[0], handed[1]) << "seed " << seed;
        EXPECT_GT(handed[0].size(), 100u);
    }
}

} // namespace
} // namespace gloob::net
