// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The computer players' model of a person: how they judge a ball's flight,
// when they set off and where they stand to meet it.
#include "bot/flight.h"
#include "bot/foresight.h"
#include "bot/lookahead.h"
#include "bot/person.h"
#include "match/keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace gloob::bot {
namespace {

struct Flight {
    const char* name;
    int side; // whose half it comes down in
    BallState ball;
};

// Balls that meet no body and no net: from the back of either half, off a
// wall, off the ceiling, in an arc and straight.
const Flight flights[] = {
    {"ArcOffPlayer1sWall", 1, {10200, 3000, 65, -80, 1, 4000}},
    {"ArcOffPlayer2sWall", 2, {900, 3000, -65, -80, 1, 4000}},
    {"ArcAcrossPlayer1sHalf", 1, {6300, 3000, 65, -80, 1, 4000}},
    {"HighArcOffTheCeiling", 2, {3500, 1500, -65, -150, 1, 4000}},
    {"FallingStraightDown", 2, {2000, 2000, 0, 70, 0, 0}},
    {"FallingAcrossPlayer1sHalf", 1, {6200, 1500, 65, 70, 0, 0}},
};

// With nothing but walls and the ceiling in its way, the ball comes down
// exactly where the game's own rules bring it, under either phase of the
// ball-arc timer.
TEST(FreeFlight, ComesDownWhereTheRulesBringTheBall) {
    const Scene scene;
    Foresight foresight(scene);
    for (const Flight& flight : flights) {
        const Court court = Court::of(scene, flight.side);
        for (const int parity : {0, 1}) {
            Sighting seen;
            seen.inPlay = true;
            seen.ball = flight.ball;
            foresight.load(seen);
            std::optional<float> ruled;
            for (int heartbeat = 0; heartbeat < freeFlightHorizon && !ruled; ++heartbeat) {
                foresight.mainTick();
                const BallState ball = foresight.ball();
                if (ball.speedY > 0 && ball.top + court.ballSize >= court.groundTop) {
                    ruled = ball.left + court.ballSize / 2;
                }
                foresight.otherTimers((heartbeat & 1) == parity);
            }
            const std::string context =
                std::string(flight.name) + ", phase " + std::to_string(parity);
            ASSERT_TRUE(ruled.has_value()) << context;
            EXPECT_EQ(freeLandingCentre(court, flight.ball, parity), ruled) << context;
            EXPECT_EQ(freeLandingCentre(Court::of(scene, 3 - flight.side), flight.ball, parity),
                      std::nullopt)
                << context << ": judged on the other side";
        }
    }
}

// A person stands still for as long as they take to react, then walks
// under the ball until it would come down on the net's side of their body.
TEST(Person, SetsOffAfterTheirReactionAndMeetsTheBallTowardTheNet) {
    const Scene scene;
    for (const Flight& flight : flights) {
        const Court court = Court::of(scene, flight.side);
        Foresight foresight(scene);
        Sighting seen;
        seen.inPlay = true;
        seen.ball = flight.ball;
        foresight.load(seen);
        foresight.hideBody(3 - flight.side);
        BodyState body;
        body.left = flight.side == 1 ? court.maxLeft : court.minLeft; // against its wall
        body.top = court.groundTop;
        foresight.placeBody(flight.side, body);
        Person person(court);
        int setOff = -1;
        for (int heartbeat = 0; heartbeat < 60; ++heartbeat) {
            seen.ball = foresight.ball();
            seen.bodies[static_cast<std::size_t>(flight.side - 1)] = foresight.body(flight.side);
            const auto keys = person.decideOn(seen);
            if (setOff < 0 && !keys.empty()) {
                setOff = heartbeat;
            }
            pressOn(foresight, flight.side, keys);
            // The ball hangs where it is, so that the person can get under it.
            BodyState walked = foresight.body(flight.side);
            walked.left = court.walk(walked.left, walked.speedX);
            foresight.placeBody(flight.side, walked);
        }
        EXPECT_EQ(setOff, static_cast<int>(Person::reaction)) << flight.name;
        const float standing = foresight.body(flight.side).left;
        const float expected = placeToMeet(court, flight.ball, 400);
        ASSERT_TRUE(expected > court.minLeft && expected < court.maxLeft) << flight.name;
        EXPECT_LE(std::abs(standing - expected), walkStep / 2.0F) << flight.name;
        const float netward = flight.side == 1 ? -1.0F : 1.0F;
        const std::optional<float> centre = freeLandingCentre(court, flight.ball, 0);
        ASSERT_TRUE(centre.has_value()) << flight.name;
        EXPECT_GT((*centre - court.centreOf(standing)) * netward, 250) << flight.name;
    }
}

} // namespace
} // namespace gloob::bot
