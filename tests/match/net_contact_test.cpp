// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace gloob::testing {
namespace {

// The posts: teal shpWallLeft at x 5520..5775 and navy shpWallRight at
// x 5760..6015 above it, both from y 5040 down into the floor strips.

struct NetCase {
    const char* name;
    float left, top;
    std::int16_t speedXAfter; // from 65
    bool arc;
};

class NetProbes : public ::testing::TestWithParam<NetCase> {};

TEST_P(NetProbes, TurnTheBallBackOrThrowItUp) {
    const NetCase& c = GetParam();
    TestWindow w;
    w.scene().shpBall.Left = c.left;
    w.scene().shpBall.Top = c.top;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;

    w.match().ballAndNetContact();

    EXPECT_EQ(w.scene().shpBall.Left, c.left) << "no probe moves the ball";
    EXPECT_EQ(w.scene().shpBall.Top, c.top);
    EXPECT_EQ(w.state().ballSpeedX, c.speedXAfter);
    EXPECT_EQ(w.state().ballArcRunning, c.arc ? -1 : 0);
    EXPECT_EQ(w.state().ballSpeedY, c.arc ? -80 : 70);
    EXPECT_EQ(w.state().ballArcLimit, c.arc ? static_cast<std::int16_t>(c.top) : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Net, NetProbes,
    ::testing::Values(
        // Left-middle point (x = Left) in the right post, centre beyond the net.
        NetCase{"LeftSideInTheRightPost", 5900, 5400, -65, false},
        // Right-middle point (x = Left + 375) in the left post.
        NetCase{"RightSideInTheLeftPost", 5225, 5400, -65, false},
        NetCase{"RightSideOnTheLastTealColumn", 5384, 5750, -65, false},
        // x 5765 lies where the posts overlap: the right post shows there.
        NetCase{"RightSideOnThePostsOverlapSeesNavy", 5390, 5750, 65, false},
        // Underside point (x = Left + 187.5, y = Top + 375) on top of a post.
        // The posts' top edge is at 5040.
        NetCase{"UndersideOnTheLeftPostsTopEdge", 5450, 5040 - 375, 65, true},
        NetCase{"UndersideOnTheRightPostsTopEdge", 5700, 5040 - 375, 65, true},
        NetCase{"UndersideOneTwipAboveTheNet", 5450, 5039 - 375, 65, false},
        // Low on a post: a side probe and an underside probe in one tick.
        NetCase{"CornerOfTheRightPost", 5790, 4900, -65, true},
        NetCase{"CornerOfTheLeftPost", 5340, 4900, -65, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ArrivalCase {
    const char* name;
    float left;
    std::int16_t speedX;
};

class NetSide : public ::testing::TestWithParam<ArrivalCase> {};

// A ball flying at the net on the height of the posts: the tick that takes its
// side point into a post turns it, and the next tick carries it away.
TEST_P(NetSide, TurnsTheBallBackAndItMovesAway) {
    const ArrivalCase& c = GetParam();
    TestWindow w;
    Shape& ball = w.scene().shpBall;
    ball.Left = c.left;
    ball.Top = 5400;
    w.state().ballSpeedX = c.speedX;
    w.state().ballSpeedY = 0;

    w.match().ballFlightAndRebounds();
    w.match().ballAndNetContact();
    EXPECT_EQ(ball.Left, c.left + c.speedX);
    EXPECT_EQ(w.state().ballSpeedX, -c.speedX);

    w.match().ballFlightAndRebounds();
    w.match().ballAndNetContact();
    EXPECT_EQ(ball.Left, c.left);
    EXPECT_EQ(w.state().ballSpeedX, -c.speedX) << "out of the post, not turned again";
    EXPECT_EQ(w.state().ballArcRunning, 0);
}

INSTANTIATE_TEST_SUITE_P(Net, NetSide,
                         ::testing::Values(ArrivalCase{"FromTheRightIntoTheRightPost", 6050, -65},
                                           ArrivalCase{"FromTheLeftIntoTheLeftPost", 5100, 65}),
                         [](const auto& info) { return std::string(info.param.name); });

// The ball sunk into the right post: each net contact starts the arc afresh,
// with -80 and the Top of that moment, though the arc timer had moved it.
TEST(NetTop, EveryTickWithTheUndersideInAPostRestartsTheArc) {
    TestWindow w;
    Shape& ball = w.scene().shpBall;
    ball.Left = 5700;
    ball.Top = 5000;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;

    for (const float top : {5000.0f, 4920.0f, 4840.0f}) {
        ASSERT_EQ(ball.Top, top);
        w.match().ballAndNetContact();
        EXPECT_EQ(w.state().ballArcRunning, -1);
        EXPECT_EQ(w.state().ballSpeedY, -80);
        EXPECT_EQ(w.state().ballArcLimit, top);
        w.match().tmrBall_Timer();
        EXPECT_EQ(w.state().ballSpeedY, -70);
    }
    EXPECT_EQ(w.state().ballSpeedX, 65);
}

TEST(NetTop, ABallFallingOntoTheNetBouncesUpAndKeepsItsDirection) {
    TestWindow w;
    Shape& ball = w.scene().shpBall;
    ball.Left = 5450;
    ball.Top = 4600;
    w.state().ballSpeedX = 65;
    w.state().ballSpeedY = 70;

    w.match().ballFlightAndRebounds();
    w.match().ballAndNetContact();

    EXPECT_EQ(ball.Top, 4670);
    EXPECT_EQ(w.state().ballArcRunning, -1);
    EXPECT_EQ(w.state().ballSpeedY, -80);
    EXPECT_EQ(w.state().ballArcLimit, 4670);
    EXPECT_EQ(w.state().ballSpeedX, 65);
}

struct PictureCase {
    const char* name;
    Colour picture;
    std::int16_t speedXAfter;
    bool arc;
};

class NetColourInAPicture : public ::testing::TestWithParam<PictureCase> {};

// A picture of exactly a post's colour behind a ball in open court. The
// left-middle point lies on the ball's own edge, so it sees the ball.
TEST_P(NetColourInAPicture, AnswersLikeAPost) {
    const PictureCase& c = GetParam();
    FakeHost host;
    BlockTextRasteriser text;
    Pictures pictures;
    pictures.mountain = RgbImage(2, 2, toRgb(c.picture));
    FrmGloob frm{host, text, pictures};
    frm.Form_Load();
    frm.scene.imgMountain.Visible = true;
    frm.scene.shpBall.Left = 3000;
    frm.scene.shpBall.Top = 3000;
    frm.state.ballSpeedX = 65;
    frm.state.ballSpeedY = 70;

    frm.match().ballAndNetContact();

    EXPECT_EQ(frm.state.ballSpeedX, c.speedXAfter);
    EXPECT_EQ(frm.state.ballArcRunning, c.arc ? -1 : 0);
    EXPECT_EQ(frm.state.ballSpeedY, c.arc ? -80 : 70);
    EXPECT_EQ(frm.state.ballArcLimit, c.arc ? 3000 : 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, NetColourInAPicture,
                         ::testing::Values(PictureCase{"Teal", colours::teal, -65, true},
                                           PictureCase{"Navy", colours::navy, 65, true},
                                           PictureCase{"AlmostTeal", colours::teal + 1, 65, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
