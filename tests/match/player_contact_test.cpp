// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace gloob::testing {
namespace {

enum class Probe { lowerCentre, lowerLeft, lowerRight };

struct ContactCase {
    const char* name;
    int player;    // whose body is touched
    int jumpTicks; // jump-timer ticks since the jump key, 0 on the ground
    std::int16_t jumpFlag;
    Probe probe; // the one probe that finds the body
    float ballLeft;
    std::int16_t speedYBefore;
    std::int16_t speedXAfter;
    std::int16_t speedYAfter;
};

constexpr std::int16_t speedXBefore = -37;

class PlayerContact : public ::testing::TestWithParam<ContactCase> {};

// The ball's lower edge lies 15 twips (one pixel row) below the body's top,
// so the probe reads the second row of the body's half-disc.
TEST_P(PlayerContact, PutsTheBallOnTheBodyAndLaunchesIt) {
    const ContactCase& c = GetParam();
    TestWindow w;
    Shape& body = c.player == 1 ? w.scene().shpGloob1 : w.scene().shpGloob2;
    const std::int16_t jumpKey = c.player == 1 ? 38 : 87;
    if (c.jumpTicks > 0) {
        w.frm.Form_KeyDown(jumpKey, 0);
        for (int k = 0; k < c.jumpTicks; ++k) {
            c.player == 1 ? w.match().tmrJump1_Timer() : w.match().tmrJump2_Timer();
        }
    }
    (c.player == 1 ? w.state().player1Jumping : w.state().player2Jumping) = c.jumpFlag;
    Shape& ball = w.scene().shpBall;
    ball.Left = c.ballLeft;
    ball.Top = body.Top - 375 + 15;
    w.state().ballSpeedX = speedXBefore;
    w.state().ballSpeedY = c.speedYBefore;
    const float probeX = c.probe == Probe::lowerLeft    ? ball.Left
                         : c.probe == Probe::lowerRight ? ball.Left + 375
                                                        : ball.Left + 187.5f;
    const Colour bodyColour = c.player == 1 ? colours::blue : colours::green;
    ASSERT_EQ(w.frm.Point(probeX, ball.Top + 375), bodyColour);

    w.match().ballAndPlayerContact();

    EXPECT_EQ(ball.Top + ball.Height, body.Top);
    EXPECT_EQ(ball.Left, c.ballLeft);
    EXPECT_EQ(w.state().ballArcLimit, static_cast<std::int16_t>(body.Top - 375));
    EXPECT_EQ(w.state().ballArcRunning, -1);
    EXPECT_EQ(w.state().ballSpeedX, c.speedXAfter);
    EXPECT_EQ(w.state().ballSpeedY, c.speedYAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, PlayerContact,
    ::testing::Values(
        // Player 1's body spans 8280..9735; its middle is at 9007.5.
        ContactCase{"Player1MiddleOnTheGround", 1, 0, 0, Probe::lowerCentre, 8820, 70, speedXBefore,
                    -80},
        ContactCase{"Player1MiddleRisingInAJump", 1, 5, -1, Probe::lowerCentre, 8820, 70,
                    speedXBefore, -130},
        ContactCase{"Player1MiddleFallingInAJump", 1, 20, -1, Probe::lowerCentre, 8820, 70,
                    speedXBefore, -130},
        ContactCase{"AnyNonZeroJumpFlagCounts", 1, 0, 1, Probe::lowerCentre, 8820, 70, speedXBefore,
                    -130},
        ContactCase{"RisingBallIsLaunchedAllTheSame", 1, 0, 0, Probe::lowerCentre, 8820, -50,
                    speedXBefore, -80},
        ContactCase{"Player1LowerLeftCorner", 1, 0, 0, Probe::lowerLeft, 9090, 70, 65, -80},
        ContactCase{"Player1LowerRightCorner", 1, 0, 0, Probe::lowerRight, 8550, 70, -65, -80},
        // Player 2's body spans 2160..3615; its middle is at 2887.5.
        ContactCase{"Player2MiddleOnTheGround", 2, 0, 0, Probe::lowerCentre, 2700, 70, speedXBefore,
                    -80},
        ContactCase{"Player2MiddleInAJump", 2, 5, -1, Probe::lowerCentre, 2700, 70, speedXBefore,
                    -130},
        ContactCase{"Player2LowerLeftCorner", 2, 0, 0, Probe::lowerLeft, 2950, 70, 65, -80},
        ContactCase{"Player2LowerLeftCornerJumping", 2, 0, -1, Probe::lowerLeft, 2950, 70, 65,
                    -130},
        ContactCase{"Player2LowerRightCorner", 2, 0, 0, Probe::lowerRight, 2385, 70, -65, -80},
        ContactCase{"Player2LowerRightCornerJumping", 2, 0, -1, Probe::lowerRight, 2385, 70, -65,
                    -130}),
    [](const auto& info) { return std::string(info.param.name); });

struct NoContactCase {
    const char* name;
    std::function<void(TestWindow&)> arrange;
};

class NoContact : public ::testing::TestWithParam<NoContactCase> {};

TEST_P(NoContact, ChangesNothing) {
    TestWindow w;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;
    GetParam().arrange(w);
    const Scene sceneBefore = w.scene();
    const MatchState stateBefore = w.state();

    w.match().ballAndPlayerContact();

    EXPECT_TRUE(w.scene() == sceneBefore);
    EXPECT_TRUE(w.state() == stateBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoContact,
    ::testing::Values(
        // Player 1 in the air: the white base covers the lower half of the body.
        NoContactCase{"BaseOfAJumpingPlayer",
                      [](TestWindow& w) {
                          w.state().player1Jumping = -1;
                          w.scene().shpGloob1.Top = 4620;
                          w.scene().shpBase1.Top = 5220;
                          w.scene().shpBall.Left = 8820;
                          w.scene().shpBall.Top = 5400 - 375;
                          ASSERT_EQ(w.frm.Point(9007.5f, 5400), colours::white);
                      }},
        NoContactCase{"BaseBelowTheFloorStrip",
                      [](TestWindow& w) {
                          w.scene().shpBall.Left = 8820;
                          w.scene().shpBall.Top = 6500 - 375;
                          ASSERT_EQ(w.frm.Point(9007.5f, 6500), colours::white);
                      }},
        // Near the body's top, inside its box but left of its rounded crown:
        // all three lower probes miss the circle.
        NoContactCase{"InsideTheBoxOutsideTheCircle",
                      [](TestWindow& w) {
                          w.scene().shpBall.Left = 8340;
                          w.scene().shpBall.Top = 5535 - 375;
                          ASSERT_EQ(w.frm.Point(8340, 5535), colours::white);
                          ASSERT_EQ(w.frm.Point(8527.5f, 5535), colours::white);
                          ASSERT_EQ(w.frm.Point(8715, 5535), colours::white);
                          ASSERT_EQ(w.frm.Point(8850, 5535), colours::blue);
                      }},
        // A solid blue picture behind the court: all of player 1's probes
        // match, but the ball is far from the body.
        NoContactCase{"BodyColourWithoutOverlap",
                      [](TestWindow& w) {
                          w.pictures.mountain = RgbImage(1, 1, toRgb(colours::blue));
                          w.scene().imgMountain.Visible = true;
                          w.scene().shpBall.Left = 3000;
                          w.scene().shpBall.Top = 3000;
                          ASSERT_EQ(w.frm.Point(3187.5f, 3375), colours::blue);
                      }}),
    [](const auto& info) { return std::string(info.param.name); });

struct OverlapCase {
    const char* name;
    float bodyLeft;
    bool contact;
};

class OverlapEdge : public ::testing::TestWithParam<OverlapCase> {};

// The ball (3000..3375) over a solid blue picture, so that its lower-centre
// probe matches player 1's colour wherever the body stands: only the
// horizontal overlap of the two boxes decides.
TEST_P(OverlapEdge, EqualityCountsAsOverlap) {
    const OverlapCase& c = GetParam();
    TestWindow w;
    w.pictures.mountain = RgbImage(1, 1, toRgb(colours::blue));
    w.scene().imgMountain.Visible = true;
    w.scene().shpGloob1.Left = c.bodyLeft;
    w.scene().shpBase1.Left = c.bodyLeft;
    w.scene().shpBall.Left = 3000;
    w.scene().shpBall.Top = 3000;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;
    ASSERT_EQ(w.frm.Point(3187.5f, 3375), colours::blue);

    w.match().ballAndPlayerContact();

    EXPECT_EQ(w.scene().shpBall.Top, c.contact ? 5520 - 375 : 3000);
    EXPECT_EQ(w.state().ballSpeedY, c.contact ? -80 : 70);
    EXPECT_EQ(w.state().ballArcRunning, c.contact ? -1 : 0);
    EXPECT_EQ(w.state().ballSpeedX, 65);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, OverlapEdge,
    ::testing::Values(OverlapCase{"BallRightEdgeOnBodyLeft", 3375, true},
                      OverlapCase{"BallRightEdgeOneTwipShortOfBodyLeft", 3376, false},
                      OverlapCase{"BodyRightEdgeOnBallLeft", 3000 - 1455, true},
                      OverlapCase{"BodyRightEdgeOneTwipShortOfBallLeft", 2999 - 1455, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct SeveralContactsCase {
    const char* name;
    std::function<void(TestWindow&)> arrange;
    float top;
    std::int16_t speedX;
    std::int16_t speedY;
};

class SeveralContacts : public ::testing::TestWithParam<SeveralContactsCase> {};

// All six probes run in their order, each from where the last contact left the
// ball, and a later contact overwrites what an earlier one wrote.
TEST_P(SeveralContacts, TheLastContactWins) {
    const SeveralContactsCase& c = GetParam();
    TestWindow w;
    w.state().ballSpeedX = 20;
    w.state().ballSpeedY = 70;
    c.arrange(w);

    w.match().ballAndPlayerContact();

    EXPECT_EQ(w.scene().shpBall.Top, c.top);
    EXPECT_EQ(w.state().ballArcLimit, static_cast<std::int16_t>(c.top));
    EXPECT_EQ(w.state().ballArcRunning, -1);
    EXPECT_EQ(w.state().ballSpeedX, c.speedX);
    EXPECT_EQ(w.state().ballSpeedY, c.speedY);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeveralContacts,
    ::testing::Values(
        // Lower centre (x 8787.5) finds the body low down; on the body's top
        // line the lower-right corner (x 8975) finds its crown.
        SeveralContactsCase{"CentreThenLowerRightCorner",
                            [](TestWindow& w) {
                                w.scene().shpBall.Left = 8600;
                                w.scene().shpBall.Top = 6000 - 375;
                                ASSERT_EQ(w.frm.Point(8787.5f, 6000), colours::blue);
                                ASSERT_EQ(w.frm.Point(8975, 5520), colours::blue);
                            },
                            5520 - 375, -65, -80},
        // The base, slid under the ball's middle, hides the body there: the
        // lower-left corner hits first, then the lower-right corner on the crown.
        SeveralContactsCase{"BothCornersOfOneBody",
                            [](TestWindow& w) {
                                w.scene().shpBase1.Left = 8805;
                                w.scene().shpBase1.Top = 6000;
                                w.scene().shpBall.Left = 8625;
                                w.scene().shpBall.Top = 6000 - 375;
                                ASSERT_EQ(w.frm.Point(8625, 6000), colours::blue);
                                ASSERT_EQ(w.frm.Point(8812.5f, 6000), colours::white);
                                ASSERT_EQ(w.frm.Point(9000, 6000), colours::white);
                                ASSERT_EQ(w.frm.Point(9000, 5520), colours::blue);
                            },
                            5520 - 375, -65, -80},
        // Player 1 (jumping) is hit first; player 2's body, higher and behind
        // it, is found by the later probes on player 1's top line and then on
        // its own: height, limit and step come from player 2.
        SeveralContactsCase{"Player2AfterPlayer1",
                            [](TestWindow& w) {
                                w.state().player1Jumping = -1;
                                w.scene().shpGloob2.Left = 7875;
                                w.scene().shpGloob2.Top = 5220;
                                w.scene().shpBall.Left = 8600;
                                w.scene().shpBall.Top = 6000 - 375;
                                ASSERT_EQ(w.frm.Point(8787.5f, 6000), colours::blue);
                                ASSERT_EQ(w.frm.Point(8787.5f, 5520), colours::green);
                                ASSERT_EQ(w.frm.Point(8600, 5220), colours::green);
                            },
                            5220 - 375, 65, -80}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
