// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace gloob::testing {
namespace {

struct ArcCase {
    const char* name;
    std::int16_t upwardStep;
    int ticks;
    float highestAbove;
    std::int16_t endStep;
};

class BallArc : public ::testing::TestWithParam<ArcCase> {};

// With no main tick in between, each arc tick moves the ball by its step and
// then makes the step 10 more downward, until the ball is back at the start.
TEST_P(BallArc, RisesSlowsFallsAndEndsAtItsStartHeight) {
    const ArcCase& c = GetParam();
    TestWindow w;
    Shape& ball = w.scene().shpBall;
    ball.Left = 4000;
    ball.Top = 3000;
    w.state().ballArcRunning = -1;
    w.state().ballSpeedY = c.upwardStep;
    w.state().ballArcLimit = 3000;

    float highest = ball.Top;
    for (int tick = 1; tick <= c.ticks; ++tick) {
        const float before = ball.Top;
        w.match().tmrBall_Timer();
        const int expectedStep = c.upwardStep + 10 * (tick - 1);
        ASSERT_EQ(ball.Top - before, static_cast<float>(expectedStep)) << "tick " << tick;
        ASSERT_EQ(w.state().ballSpeedY, expectedStep + 10) << "tick " << tick;
        ASSERT_EQ(w.state().ballArcRunning, tick < c.ticks ? -1 : 0) << "tick " << tick;
        highest = std::min(highest, ball.Top);
    }
    EXPECT_EQ(ball.Top, 3000);
    EXPECT_EQ(3000 - highest, c.highestAbove);
    EXPECT_EQ(w.state().ballSpeedY, c.endStep);
    EXPECT_EQ(w.state().ballArcLimit, 3000);
    EXPECT_EQ(ball.Left, 4000) << "the arc is vertical only";

    w.match().tmrBall_Timer();
    EXPECT_EQ(ball.Top, 3000) << "an ended arc moves the ball no more";
    EXPECT_EQ(w.state().ballSpeedY, c.endStep);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, BallArc,
    ::testing::Values(
        // Rises 80 + 70 + ... + 10 = 360, still for one tick, falls back: 17 ticks.
        ArcCase{"FromAPlayerOrTheNet", -80, 17, 360, 90},
        // Rises 130 + 120 + ... + 10 = 910: 13 up, 1 still, 13 down.
        ArcCase{"FromAJumpingPlayer", -130, 27, 910, 140}),
    [](const auto& info) { return std::string(info.param.name); });

struct IdleCase {
    const char* name;
    float top;
    std::int16_t limit;
};

class BallArcIdle : public ::testing::TestWithParam<IdleCase> {};

TEST_P(BallArcIdle, ATickOutsideAnArcChangesNothing) {
    TestWindow w;
    w.scene().shpBall.Top = GetParam().top;
    w.state().ballArcLimit = GetParam().limit;
    w.state().ballSpeedY = -70;
    const Scene sceneBefore = w.scene();
    const MatchState stateBefore = w.state();

    w.match().tmrBall_Timer();

    EXPECT_TRUE(w.scene() == sceneBefore);
    EXPECT_TRUE(w.state() == stateBefore);
}

INSTANTIATE_TEST_SUITE_P(Cases, BallArcIdle,
                         ::testing::Values(IdleCase{"BallAboveTheLimit", 2000, 3000},
                                           IdleCase{"BallBelowTheLimit", 4000, 3000}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EndCase {
    const char* name;
    float top;
    std::int16_t step;
    float topAfter;
    std::int16_t stepAfter;
    std::int16_t runningAfter;
};

class BallArcEnd : public ::testing::TestWithParam<EndCase> {};

// The end test comes after the move: a ball already at or below the limit is
// moved once more, and the arc ends only if the ball is then at or below it.
TEST_P(BallArcEnd, IsTestedAfterTheMove) {
    const EndCase& c = GetParam();
    TestWindow w;
    w.scene().shpBall.Top = c.top;
    w.state().ballArcRunning = -1;
    w.state().ballArcLimit = 3000;
    w.state().ballSpeedY = c.step;

    w.match().tmrBall_Timer();

    EXPECT_EQ(w.scene().shpBall.Top, c.topAfter);
    EXPECT_EQ(w.state().ballSpeedY, c.stepAfter);
    EXPECT_EQ(w.state().ballArcRunning, c.runningAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BallArcEnd,
    ::testing::Values(EndCase{"CarriedBelowTheLimitByMainTicks", 3100, 40, 3140, 50, 0},
                      EndCase{"FallingFromTheLimit", 3000, 30, 3030, 40, 0},
                      EndCase{"ArrivingExactlyOnTheLimit", 2980, 20, 3000, 30, 0},
                      EndCase{"OneTwipAboveTheLimit", 2979, 20, 2999, 30, -1},
                      EndCase{"RisingFromTheLimit", 3000, -80, 2920, -70, -1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
