// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The opponent as the planner sees them: a person who sets off late and
// walks under the ball. Whether they return a shot is played out with the
// game's own rules on the foresight.
#include "bot/opponent.h"
#include "bot/planner.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

using bot::BallState;
using bot::BodyState;
using bot::Shot;

// The shot followed on the foresight, nobody in its way, until it comes down
// to a body's height on player 2's side; the ball-arc timer at even heartbeats.
Shot shotFrom(bot::Foresight& foresight, const Scene& court, const BallState& after) {
    const bot::Court side2 = bot::Court::of(court, 2);
    Shot shot{0, after, -1, 0};
    foresight.rewind(after);
    foresight.otherTimers(true);
    for (std::int64_t heartbeat = 1; heartbeat < 400; ++heartbeat) {
        foresight.mainTick();
        const BallState ball = foresight.ball();
        foresight.otherTimers((heartbeat & 1) == 0);
        if (ball.speedY > 0 && ball.top + side2.ballSize >= side2.groundTop - 15 &&
            side2.onMySide(ball.left)) {
            shot.landsAt = heartbeat;
            shot.landingCentre = ball.left + side2.ballSize / 2;
            break;
        }
    }
    return shot;
}

struct Situation {
    const char* name;
    BallState after;    // the ball right after the touch that sent it
    float opponentLeft; // where player 2 was seen
    bool returnedFromSomewhere;
};

class OpponentReturns : public ::testing::TestWithParam<Situation> {};

TEST_P(OpponentReturns, AsTheGameDecides) {
    const Situation& row = GetParam();
    TestWindow window;
    bot::Foresight foresight(window.scene());
    bot::Sighting seen = bot::Sighting::of(window.scene(), window.state());
    foresight.load(seen);
    const Shot shot = shotFrom(foresight, window.scene(), row.after);
    ASSERT_GE(shot.landsAt, 0) << "the shot never came down on player 2's side";
    const bot::Opponent opponent(window.scene(), 2);
    const BodyState them{row.opponentLeft, 5520, 0, 0, 0};
    const double share = opponent.returnShare(foresight, shot, them, 0);
    EXPECT_GE(share, 0.0);
    EXPECT_LE(share, 1.0);
    EXPECT_EQ(share > 0, row.returnedFromSomewhere) << "share " << share;
}

// Player 2 walks between 135 and 4065; the net's middle is at 5767.
INSTANTIATE_TEST_SUITE_P(
    Shots, OpponentReturns,
    ::testing::Values(
        // Coming down at once deep in the corner, the opponent at the net.
        Situation{"TooLateForTheFarCorner", {600, 4800, -65, 90, 0, 0}, 4065, false},
        // The same ball onto an opponent who already stands there.
        Situation{"StandingUnderIt", {600, 4800, -65, 90, 0, 0}, 135, true},
        // A high ball over the net gives a person all the time they need.
        Situation{"HighBallFromFarAway", {7000, 3000, -65, -80, -1, 3000}, 4065, true},
        // Falling at once beside the net, the opponent deep in the far corner.
        Situation{"DropBesideTheNetFromDeep", {4900, 4900, -65, 90, 0, 0}, 135, false}),
    [](const auto& info) { return std::string(info.param.name); });

// How likely a strength's aim ends on its target rather than a step off.
struct Aim {
    const char* name;
    double aimError;
    double onTarget;
};

class AimSpread : public ::testing::TestWithParam<Aim> {};

TEST_P(AimSpread, SharesTheTargetAndItsNeighbours) {
    const Aim& row = GetParam();
    const bot::AimSpread aim = bot::AimSpread::of(row.aimError);
    EXPECT_NEAR(aim.onTarget, row.onTarget, 1e-9);
    EXPECT_NEAR(aim.onTarget + 2 * aim.stepOff, 1.0, 1e-9);
}

// Triangular errors: within half a step (75 twips) of the target with
// 1 - (1 - 75 / aimError)^2, and never above nine times in ten.
INSTANTIATE_TEST_SUITE_P(Strengths, AimSpread,
                         ::testing::Values(Aim{"Exact", 0, 0.9}, Aim{"WithinHalfAStep", 75, 0.9},
                                           Aim{"Hard", 250, 1 - 0.7 * 0.7},
                                           Aim{"Normal", 500, 1 - 0.85 * 0.85},
                                           Aim{"Easy", 1000, 1 - 0.925 * 0.925}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
