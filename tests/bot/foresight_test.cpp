// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The computer player's foresight must be the game itself: run on its copy of
// the court, the ball goes exactly where the window's timers take it.
#include "bot/planner.h"
#include "match/keys.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gloob::testing {
namespace {

using bot::BallState;
using bot::Planner;
using bot::Sighting;

struct Throw {
    const char* name;
    BallState ball;
    float body1Left, body2Left; // where the players stand, still
};

void PrintTo(const Throw& t, std::ostream* os) {
    *os << t.name;
}

// The window with its main tick on from the first heartbeat, so that the
// ball-arc timer fires at the even heartbeats.
struct PlayingWindow : TestWindow {
    explicit PlayingWindow(const Throw& t) {
        scene().lblGameOver.Visible = false;
        frm.setInterval(TimerId::tmrMain, 1);
        scene().shpBall.Left = t.ball.left;
        scene().shpBall.Top = t.ball.top;
        state().ballSpeedX = t.ball.speedX;
        state().ballSpeedY = t.ball.speedY;
        state().ballArcRunning = t.ball.arcRunning;
        state().ballArcLimit = t.ball.arcLimit;
        scene().shpGloob1.Left = scene().shpBase1.Left = t.body1Left;
        scene().shpGloob2.Left = scene().shpBase2.Left = t.body2Left;
    }
    BallState ball() {
        return {scene().shpBall.Left, scene().shpBall.Top,    state().ballSpeedX,
                state().ballSpeedY,   state().ballArcRunning, state().ballArcLimit};
    }
};

class Foresight : public ::testing::TestWithParam<Throw> {};

// Both players stand out of the ball's way.
TEST_P(Foresight, FollowsTheBallAsTheGameDoes) {
    PlayingWindow window(GetParam());
    Planner planner(window.scene(), 1);
    const Sighting seen = Sighting::of(window.scene(), window.state());
    const bot::Trajectory foreseen = planner.foresee(seen, 1, 0);
    ASSERT_GT(foreseen.before.size(), 20u);
    const std::int16_t scoreBefore = window.state().player1Score + window.state().player2Score;
    for (std::int64_t heartbeat = 1; heartbeat < foreseen.end(); ++heartbeat) {
        ASSERT_EQ(window.ball(), foreseen.beforeAt(heartbeat)) << "heartbeat " << heartbeat;
        window.runHeartbeats(1);
    }
    // The foresight stops at the point that ends the rally.
    EXPECT_EQ(window.state().player1Score + window.state().player2Score, scoreBefore + 1);
}

const Throw throws[] = {
    {"ServeFromHome", {9240, 1080, 65, 70, 0, 0}, 6015, 2160},
    {"ArcOverTheNet", {7000, 5145, -65, -80, -1, 5145}, 9585, 135},
    {"HighArcOffTheLeftWall", {1000, 4000, -65, -130, -1, 4000}, 9585, 4065},
    {"DropOntoTheNet", {4950, 4000, 65, 70, 0, 0}, 9585, 135},
};
INSTANTIATE_TEST_SUITE_P(Throws, Foresight, ::testing::ValuesIn(throws),
                         [](const auto& info) { return std::string(info.param.name); });

// What its own standing body did to a ball it did not see since: nothing
// when the body stood elsewhere; just what the game did when it was below.
TEST(Foresight, WorksOutWhatItsOwnBodyDidToTheBall) {
    const Throw serve{"Serve", {9240, 1080, 65, 70, 0, 0}, 7530, 2160};
    for (float left : {6015.0f, 7530.0f}) {
        PlayingWindow window(serve);
        window.scene().shpGloob1.Left = window.scene().shpBase1.Left = left;
        Planner planner(window.scene(), 1);
        const Sighting seen = Sighting::of(window.scene(), window.state());
        const std::vector<bot::BodyState> standing(70, seen.bodies[0]);
        const auto replayed = planner.replay(seen, 1, standing, 0);
        window.runHeartbeats(static_cast<int>(standing.size()));
        if (left == 6015.0f) {
            EXPECT_FALSE(replayed.has_value());
        } else {
            ASSERT_TRUE(replayed.has_value());
            EXPECT_EQ(replayed->before.back(), window.ball());
            EXPECT_NE(window.state().ballSpeedY, 70) << "the serve was struck";
        }
    }
}

struct Jump {
    const char* name;
    int side;
    std::int16_t key;
};

class ForesightJump : public ::testing::TestWithParam<Jump> {};

// A jump on the copy rises, comes down and ends on the ground tick by tick
// as the window's own jump does: the planner times its jumping hits by it.
TEST_P(ForesightJump, RisesAndLandsAsTheGameDoes) {
    const Jump& jump = GetParam();
    TestWindow window;
    bot::Foresight foresight(window.scene());
    const Shape& body = jump.side == 1 ? window.scene().shpGloob1 : window.scene().shpGloob2;
    window.match().Form_KeyDown(jump.key, 0);
    foresight.placeBody(jump.side, {body.Left, body.Top, 0, True16, -150});
    for (int tick = 1; tick <= 40; ++tick) {
        window.match().tmrJump1_Timer();
        window.match().tmrJump2_Timer();
        foresight.otherTimers(false);
        const bot::BodyState foreseen = foresight.body(jump.side);
        const std::int16_t jumping =
            jump.side == 1 ? window.state().player1Jumping : window.state().player2Jumping;
        ASSERT_EQ(foreseen.top, body.Top) << "tick " << tick;
        ASSERT_EQ(foreseen.jumping, jumping) << "tick " << tick;
    }
    EXPECT_EQ(foresight.body(jump.side).jumping, 0) << "the jump never ended";
}

INSTANTIATE_TEST_SUITE_P(Sides, ForesightJump,
                         ::testing::Values(Jump{"Player1", 1, keys::up},
                                           Jump{"Player2", 2, keys::w}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
