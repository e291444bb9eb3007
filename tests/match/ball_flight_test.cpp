// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

struct FlightCase {
    const char* name;
    float left, top;
    std::int16_t speedX, speedY;
    float endLeft, endTop;
    std::int16_t endSpeedX, endSpeedY;
};

class BallFlight : public ::testing::TestWithParam<FlightCase> {};

TEST_P(BallFlight, StepsThenReboundsOntoTheBoundary) {
    const FlightCase& c = GetParam();
    TestWindow w;
    w.scene().shpBall.Left = c.left;
    w.scene().shpBall.Top = c.top;
    w.state().ballSpeedX = c.speedX;
    w.state().ballSpeedY = c.speedY;
    w.match().ballFlightAndRebounds();
    EXPECT_EQ(w.scene().shpBall.Left, c.endLeft);
    EXPECT_EQ(w.scene().shpBall.Top, c.endTop);
    EXPECT_EQ(w.state().ballSpeedX, c.endSpeedX);
    EXPECT_EQ(w.state().ballSpeedY, c.endSpeedY);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BallFlight,
    ::testing::Values(
        FlightCase{"FreeFlight", 3000, 3000, 65, 70, 3065, 3070, 65, 70},
        FlightCase{"PastLeftWall", 150, 3000, -65, 70, 135, 3070, 65, 70},
        FlightCase{"ExactlyOnLeftWall", 200, 3000, -65, 70, 135, 3070, 65, 70},
        FlightCase{"OneTwipRightOfLeftWall", 201, 3000, -65, 70, 136, 3070, -65, 70},
        FlightCase{"PastRightWall", 10600, 3000, 65, 70, 10665, 3070, -65, 70},
        FlightCase{"ExactlyOnRightWall", 10600, 3000, 65, 0, 10665, 3000, -65, 0},
        FlightCase{"OneTwipShortOfRightWall", 10599, 3000, 65, 0, 10664, 3000, 65, 0},
        FlightCase{"PastCeiling", 3000, 300, 0, -70, 3000, 255, 0, 70},
        FlightCase{"ExactlyOnCeiling", 3000, 325, 0, -70, 3000, 255, 0, 70},
        FlightCase{"FallingBallAboveCeilingIsReversed", 3000, 200, 0, 30, 3000, 255, 0, -30},
        FlightCase{"CornerWallAndCeilingInOneTick", 180, 280, -65, -70, 135, 255, 65, 70},
        FlightCase{"MovingAwayFromWallStillReverses", 100, 3000, 65, 0, 165, 3000, 65, 0},
        FlightCase{"ZeroStepOnTheWallStaysZero", 135, 3000, 0, 0, 135, 3000, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BallFlight, ServeReachesRightWallOnTheTwentySecondTick) {
    TestWindow w;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;
    for (int tick = 1; tick <= 21; ++tick) {
        w.match().ballFlightAndRebounds();
        ASSERT_EQ(w.state().ballSpeedX, 65) << "rebounded early, on tick " << tick;
    }
    w.match().ballFlightAndRebounds();
    EXPECT_EQ(w.state().ballSpeedX, -65);
    EXPECT_EQ(w.scene().shpBall.Left + w.scene().shpBall.Width, w.scene().shpRight.Left);
    EXPECT_EQ(w.scene().shpBall.Top, 1080 + 22 * 70);
}

TEST(BallFlight, CeilingReboundAlternatesWhileTheStepStaysPositive) {
    TestWindow w;
    w.scene().shpBall.Top = 200;
    w.state().ballSpeedY = 30;
    w.match().ballFlightAndRebounds();
    EXPECT_EQ(w.scene().shpBall.Top, 255);
    EXPECT_EQ(w.state().ballSpeedY, -30);
    w.match().ballFlightAndRebounds();
    EXPECT_EQ(w.scene().shpBall.Top, 255);
    EXPECT_EQ(w.state().ballSpeedY, 30);
}

} // namespace
} // namespace gloob::testing
