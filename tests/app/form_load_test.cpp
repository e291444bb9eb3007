// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

TEST(FormLoad, CapturesHomesAndGroundLevelsAndStopsTheMainTick) {
    TestWindow w;
    const MatchState& s = w.state();
    EXPECT_EQ(s.serveSpeedY, 70);
    EXPECT_EQ(s.player1HomeLeft, 8280);
    EXPECT_EQ(s.player1BaseHomeLeft, 8280);
    EXPECT_EQ(s.player2HomeLeft, 2160);
    EXPECT_EQ(s.player2BaseHomeLeft, 2160);
    EXPECT_EQ(s.ballHomeLeft, 9240);
    EXPECT_EQ(s.ballHomeTop, 1080);
    EXPECT_EQ(s.player1HomeTop, 5520);
    EXPECT_EQ(s.player2HomeTop, 5520);
    EXPECT_EQ(w.scene().tmrMain.Interval, 0);
    w.runHeartbeats(64);
    EXPECT_EQ(
        std::count(w.host.timersHandled.begin(), w.host.timersHandled.end(), TimerId::tmrMain), 0);
    EXPECT_EQ(w.scene().shpBall.Left, 9240) << "the ball rests until Play!";
}

struct CentreCase {
    const char* name;
    TwipRect screen;
    TwipRect frame;
    float left, top;
};

class WindowPlacement : public ::testing::TestWithParam<CentreCase> {};

TEST_P(WindowPlacement, CentresTheOuterFrameOnTheScreen) {
    const CentreCase& c = GetParam();
    FakeHost host;
    host.screen = c.screen;
    host.frame = c.frame;
    BlockTextRasteriser text;
    Pictures pictures;
    FrmGloob frm(host, text, pictures);
    frm.Form_Load();
    ASSERT_EQ(host.moves.size(), 1u);
    EXPECT_EQ(host.moves[0].first, c.left);
    EXPECT_EQ(host.moves[0].second, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacement,
    ::testing::Values(
        CentreCase{"OddDifferenceKeepsAHalfTwip",
                   {0, 0, 19200, 15360},
                   {0, 0, 11295, 7770},
                   3952.5f,
                   3795},
        CentreCase{"EvenDifference", {0, 0, 19201, 15360}, {0, 0, 11295, 7770}, 3953, 3795},
        CentreCase{
            "AvailableAreaBelowAPanel", {0, 450, 19200, 14910}, {0, 0, 11295, 7770}, 3952.5f, 4020},
        // A screen too small for the window keeps the title bar on it.
        CentreCase{"WindowLargerThanScreen", {0, 0, 9600, 7200}, {0, 0, 11295, 7770}, 0, 0},
        CentreCase{
            "LargerThanAnOffsetScreen", {300, 450, 9600, 7200}, {0, 0, 11295, 7770}, 300, 450}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
