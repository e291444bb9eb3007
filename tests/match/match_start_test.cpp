// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include "app/heartbeat.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

TEST(MatchStart, ShowsTheCourtForPlayAtOnceBeforeThePause) {
    TestWindow w;
    bool checkedDuringPause = false;
    w.host.at(1000, [&] {
        checkedDuringPause = true;
        EXPECT_FALSE(w.scene().cmdPlay.Visible);
        EXPECT_FALSE(w.scene().cmdExit.Visible);
        EXPECT_FALSE(w.scene().lblGameOver.Visible);
        EXPECT_TRUE(w.scene().shpBall.Visible);
        EXPECT_EQ(w.scene().lblPlayer1Score.Caption, " 0");
        EXPECT_EQ(w.scene().lblPlayer2Score.Caption, " 0");
        EXPECT_EQ(w.scene().tmrMain.Interval, 0) << "no main tick during the pause";
    });
    w.frm.cmdPlay_Click();
    EXPECT_TRUE(checkedDuringPause);
}

TEST(MatchStart, SetsTheServeScoresAndLengthFromTheMenus) {
    TestWindow w;
    w.state().player1Score = 4;
    w.state().player2Score = 2;
    w.frm.cmdPlay_Click();
    EXPECT_EQ(w.state().ballsPerGame, 5);
    EXPECT_EQ(w.state().ballSpeedX, 65);
    EXPECT_EQ(w.state().ballSpeedY, 70);
    EXPECT_EQ(w.state().serveSpeedY, 70);
    EXPECT_EQ(w.state().player1Score, 0);
    EXPECT_EQ(w.state().player2Score, 0);
    EXPECT_FALSE(w.scene().imgMountain.Visible);
    EXPECT_FALSE(w.scene().imgBeach.Visible);
    EXPECT_EQ(w.scene().tmrMain.Interval, 1);
}

TEST(MatchStart, BallRestsAtHomeWhileTheJumpTimersGoOnTicking) {
    TestWindow w;
    w.host.at(100, [&] { w.frm.Form_KeyDown(38, 0); });
    w.frm.cmdPlay_Click();
    EXPECT_EQ(w.host.virtualClock.nowMicros(), 2000000) << "the whole pause, and no more";
    EXPECT_EQ(w.scene().shpBall.Left, 9240);
    EXPECT_EQ(w.scene().shpBall.Top, 1080);
    EXPECT_LT(w.scene().shpGloob1.Top, 5520) << "the jump went on during the pause";
    const auto& handled = w.host.timersHandled;
    EXPECT_EQ(std::count(handled.begin(), handled.end(), TimerId::tmrMain), 0);
    EXPECT_GT(std::count(handled.begin(), handled.end(), TimerId::tmrJump1), 0);
    EXPECT_GT(std::count(handled.begin(), handled.end(), TimerId::tmrBall), 0);
}

TEST(MatchStart, FirstMainTickFallsOnTheFirstHeartbeatAfterThePause) {
    TestWindow w;
    w.host.virtualClock.advanceTo(heartbeatMicros);
    w.frm.cmdPlay_Click();
    const std::int64_t pauseEnd = heartbeatMicros + 2000000;
    ASSERT_EQ(w.host.virtualClock.nowMicros(), pauseEnd);
    // The heartbeat the pause ended on has gone by: the main tick is due 1 ms later.
    w.frm.dispatchTimers(pauseEnd);
    w.host.timersHandled.clear();
    w.runHeartbeats(1);
    ASSERT_EQ(w.host.virtualClock.nowMicros(), pauseEnd + heartbeatMicros);
    ASSERT_FALSE(w.host.timersHandled.empty());
    EXPECT_EQ(w.host.timersHandled.front(), TimerId::tmrMain);
    EXPECT_EQ(w.scene().shpBall.Left, 9240 + 65);
    EXPECT_EQ(w.scene().shpBall.Top, 1080 + 70);
}

TEST(MatchStart, TakesLengthAndPictureFromTheCheckMarks) {
    struct Case {
        MenuId length, picture;
        std::int16_t ballsPerGame;
        bool mountain, beach;
    };
    for (const Case& c : {Case{MenuId::mnu8, MenuId::mnuBeach, 8, false, true},
                          Case{MenuId::mnu3, MenuId::mnuMountain, 3, true, false},
                          Case{MenuId::mnu5, MenuId::mnuNone, 5, false, false}}) {
        TestWindow w;
        w.frm.menuClick(c.length);
        w.frm.menuClick(c.picture);
        w.frm.cmdPlay_Click();
        EXPECT_EQ(w.state().ballsPerGame, c.ballsPerGame);
        EXPECT_EQ(w.scene().imgMountain.Visible, c.mountain);
        EXPECT_EQ(w.scene().imgBeach.Visible, c.beach);
    }
}

TEST(MatchStart, LeavesStepsJumpsAndTheBallArcAsTheyWere) {
    TestWindow w;
    w.state().player1SpeedX = w.state().player1BaseSpeedX = -150;
    w.state().ballArcRunning = -1;
    w.state().ballArcLimit = 4000;
    w.scene().tmrBall.Interval = 0; // keep the arc from running during the pause
    w.scene().tmrJump1.Interval = 0;
    w.frm.cmdPlay_Click();
    EXPECT_EQ(w.state().player1SpeedX, -150);
    EXPECT_EQ(w.state().ballArcRunning, -1);
    EXPECT_EQ(w.state().ballArcLimit, 4000);
}

} // namespace
} // namespace gloob::testing
