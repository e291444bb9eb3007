// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include "app/heartbeat.h"

#include <gtest/gtest.h>

#include <string>

namespace gloob::testing {
namespace {

// The sides meet at the middle of the net, (5520 + 5760 + 255) / 2 = 5767.5,
// compared with the ball's centre, Left + 187.5: Left 5580 is the first
// column of player 1's side. The ball must lie wholly below its side's floor
// strip (Top > strip Top + 375) and deeper than 6000.
struct FloorCase {
    const char* name;
    float left, top;
    std::int16_t player1Score, player2Score;
    float bottom1Top = 6120;
    float bottom2Top = 6120;
};

class FloorTests : public ::testing::TestWithParam<FloorCase> {};

TEST_P(FloorTests, GiveThePointToTheOpponentOfTheSideWhereTheBallFell) {
    const FloorCase& c = GetParam();
    TestWindow w;
    w.state().ballsPerGame = 5;
    w.scene().shpBottom1.Top = c.bottom1Top;
    w.scene().shpBottom2.Top = c.bottom2Top;
    w.scene().shpBall.Left = c.left;
    w.scene().shpBall.Top = c.top;

    w.match().floorTestPointForPlayer2();
    w.match().floorTestPointForPlayer1();

    EXPECT_EQ(w.state().player1Score, c.player1Score);
    EXPECT_EQ(w.state().player2Score, c.player2Score);
    const bool scored = c.player1Score + c.player2Score > 0;
    EXPECT_EQ(w.scene().shpBall.Left, scored ? 9240 : c.left);
    EXPECT_EQ(w.scene().shpBall.Top, scored ? 1080 : c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Floor, FloorTests,
    ::testing::Values(FloorCase{"RightSideBallJustUnderTheStrip", 8000, 6495, 0, 0},
                      FloorCase{"RightSideOneTwipDeeper", 8000, 6496, 0, 1},
                      FloorCase{"LeftSideBallJustUnderTheStrip", 2000, 6495, 0, 0},
                      FloorCase{"LeftSideOneTwipDeeper", 2000, 6496, 1, 0},
                      FloorCase{"NearTheLeftWall", 135, 6600, 1, 0},
                      FloorCase{"NearTheRightWall", 10665, 6600, 0, 1},
                      FloorCase{"LeftExactly4560", 4560, 6600, 1, 0},
                      FloorCase{"LeftSideRightOf4560", 5000, 6600, 1, 0},
                      FloorCase{"LeftSideAgainstTheNet", 5145, 6600, 1, 0},
                      FloorCase{"CentreHalfATwipLeftOfTheMiddle", 5579, 6600, 1, 0},
                      FloorCase{"CentreExactlyOnTheMiddle", 5580, 6600, 0, 1},
                      // With a raised strip the depth of 6000 still has to be passed.
                      FloorCase{"RightSideAtTheDepth", 8000, 6000, 0, 0, 5000},
                      FloorCase{"RightSidePastTheDepth", 8000, 6001, 0, 1, 5000},
                      FloorCase{"LeftSideAtTheDepth", 2000, 6000, 0, 0, 6120, 5000},
                      FloorCase{"LeftSidePastTheDepth", 2000, 6001, 1, 0, 6120, 5000},
                      // Each side's test looks at its own strip only.
                      FloorCase{"LeftSideUnderTheOtherRaisedStrip", 2000, 6200, 0, 0, 5000, 6120},
                      FloorCase{"RightSideUnderTheOtherRaisedStrip", 8000, 6200, 0, 0, 6120, 5000}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Side { left, right };

// Drops the ball below the floor on one side and lets the main tick fire.
void missOn(TestWindow& w, Side side) {
    w.scene().shpBall.Left = side == Side::left ? 2000 : 8000;
    w.scene().shpBall.Top = 6600;
    w.runHeartbeats(1);
}

void startMatch(TestWindow& w, MenuId length) {
    w.frm.menuClick(length);
    w.frm.cmdPlay_Click();
}

int jumpTicksHandled(const FakeHost& host, std::size_t from) {
    int count = 0;
    for (std::size_t i = from; i < host.timersHandled.size(); ++i) {
        count += host.timersHandled[i] == TimerId::tmrJump1 ? 1 : 0;
    }
    return count;
}

TEST(Point, SendsBallAndPlayersHomeAndPausesWithTheOldScoreShown) {
    TestWindow w;
    startMatch(w, MenuId::mnu5);
    ASSERT_EQ(w.scene().lblPlayer2Score.Caption, " 0");
    Scene& s = w.scene();
    s.shpGloob1.Left = s.shpBase1.Left = 6500;
    s.shpGloob2.Left = s.shpBase2.Left = 4000;
    w.frm.Form_KeyDown(38, 0);
    for (int k = 0; k < 3; ++k) {
        w.match().tmrJump1_Timer(); // player 1 is 420 up and rising
    }
    w.state().ballSpeedX = -65;
    w.state().ballSpeedY = 40;
    const std::size_t handledBefore = w.host.timersHandled.size();
    const std::int64_t tickMs = heartbeatAfter(w.host.virtualClock.nowMicros()) / 1000;

    int checks = 0;
    const auto duringThePause = [&] {
        ++checks;
        EXPECT_EQ(s.shpBall.Left, 9240);
        EXPECT_EQ(s.shpBall.Top, 1080) << "the ball rests at home";
        EXPECT_EQ(s.shpGloob1.Left, 8280);
        EXPECT_EQ(s.shpBase1.Left, 8280);
        EXPECT_EQ(s.shpGloob2.Left, 2160);
        EXPECT_EQ(s.shpBase2.Left, 2160);
        const int jumpTicks = 3 + jumpTicksHandled(w.host, handledBefore);
        ASSERT_LT(jumpTicks, 31);
        EXPECT_EQ(s.shpGloob1.Top, 5520 - (150 * jumpTicks - 5 * jumpTicks * (jumpTicks - 1)))
            << "the jump goes on from the height it had";
        EXPECT_EQ(s.shpBase1.Top - s.shpGloob1.Top, 600);
        EXPECT_EQ(s.shpGloob2.Top, 5520);
        EXPECT_EQ(w.state().player2Score, 0);
        EXPECT_EQ(s.lblPlayer2Score.Caption, " 0") << "the old score is shown";
        EXPECT_EQ(s.lblPlayer1Score.Caption, " 0");
    };
    w.host.at(tickMs + 50, duringThePause);
    w.host.at(tickMs + 1850, duringThePause);

    missOn(w, Side::right);

    EXPECT_EQ(checks, 2);
    EXPECT_EQ(w.state().player2Score, 1);
    EXPECT_EQ(w.state().player1Score, 0) << "one point per tick";
    EXPECT_EQ(s.lblPlayer2Score.Caption, "1");
    EXPECT_EQ(s.lblPlayer1Score.Caption, " 0");
    EXPECT_EQ(w.state().ballSpeedX, 65);
    EXPECT_EQ(w.state().ballSpeedY, 70);
    EXPECT_EQ(s.shpBall.Left, 9240) << "the serve starts with the next tick";
    EXPECT_EQ(s.shpBall.Top, 1080);
    EXPECT_EQ(w.state().player1Jumping, -1);
    EXPECT_EQ(s.tmrMain.Interval, 1);
}

TEST(Point, TheSecondFloorTestFindsTheBallAtHome) {
    TestWindow w;
    startMatch(w, MenuId::mnu5);
    for (const Side side : {Side::right, Side::left, Side::left}) {
        const int before = w.state().player1Score + w.state().player2Score;
        missOn(w, side);
        EXPECT_EQ(w.state().player1Score + w.state().player2Score, before + 1);
        EXPECT_EQ(w.scene().shpBall.Left, 9240);
        EXPECT_EQ(w.scene().shpBall.Top, 1080);
    }
    EXPECT_EQ(w.state().player1Score, 2);
    EXPECT_EQ(w.state().player2Score, 1);
    EXPECT_EQ(w.scene().lblPlayer1Score.Caption, "2");
    EXPECT_EQ(w.scene().lblPlayer2Score.Caption, "1");
}

TEST(Point, LabelsReadBlankZeroUntilTheFirstPointThenPlainDigits) {
    TestWindow w;
    startMatch(w, MenuId::mnu5);
    EXPECT_EQ(w.scene().lblPlayer1Score.Caption, " 0");
    EXPECT_EQ(w.scene().lblPlayer2Score.Caption, " 0");
    missOn(w, Side::left);
    EXPECT_EQ(w.scene().lblPlayer1Score.Caption, "1");
    EXPECT_EQ(w.scene().lblPlayer2Score.Caption, " 0") << "the other label is not touched";
}

struct LengthCase {
    const char* name;
    MenuId item;
    std::int16_t length;
};

class GameOver : public ::testing::TestWithParam<LengthCase> {};

// Both players score length - 1 in turn; the match ends on player 2's next point.
TEST_P(GameOver, ComesWhenTheScorersScoreEqualsTheLength) {
    const LengthCase& c = GetParam();
    TestWindow w;
    Scene& s = w.scene();
    startMatch(w, c.item);
    ASSERT_EQ(w.state().ballsPerGame, c.length);
    const auto expectRunning = [&](const char* when) {
        EXPECT_EQ(s.tmrMain.Interval, 1) << when;
        EXPECT_TRUE(s.shpBall.Visible) << when;
        EXPECT_FALSE(s.lblGameOver.Visible) << when;
        EXPECT_FALSE(s.cmdPlay.Visible) << when;
        EXPECT_FALSE(s.cmdExit.Visible) << when;
    };

    for (int points = 1; points < c.length; ++points) {
        missOn(w, Side::left);
        expectRunning("after a point for player 1");
        missOn(w, Side::right);
        expectRunning("after a point for player 2");
    }
    ASSERT_EQ(w.state().player1Score, c.length - 1);
    ASSERT_EQ(w.state().player2Score, c.length - 1);

    missOn(w, Side::right);

    EXPECT_EQ(w.state().player2Score, c.length);
    EXPECT_EQ(s.lblPlayer2Score.Caption, std::to_string(c.length));
    EXPECT_EQ(s.lblPlayer1Score.Caption, std::to_string(c.length - 1));
    EXPECT_EQ(s.tmrMain.Interval, 0);
    EXPECT_FALSE(s.shpBall.Visible);
    EXPECT_TRUE(s.lblGameOver.Visible);
    EXPECT_TRUE(s.cmdExit.Visible);
    EXPECT_TRUE(s.cmdPlay.Visible);
    EXPECT_EQ(w.state().ballSpeedX, 65);
    EXPECT_EQ(w.state().ballSpeedY, 70);

    w.runHeartbeats(20);
    EXPECT_EQ(s.shpBall.Left, 9240) << "no main tick after game over";
    EXPECT_EQ(s.shpBall.Top, 1080);
}

INSTANTIATE_TEST_SUITE_P(Lengths, GameOver,
                         ::testing::Values(LengthCase{"Three", MenuId::mnu3, 3},
                                           LengthCase{"Five", MenuId::mnu5, 5},
                                           LengthCase{"Eight", MenuId::mnu8, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameOver, NeedsExactEqualityNotMore) {
    TestWindow w;
    startMatch(w, MenuId::mnu3);
    w.state().player1Score = 5;
    missOn(w, Side::left);
    EXPECT_EQ(w.state().player1Score, 6);
    EXPECT_EQ(w.scene().tmrMain.Interval, 1);
    EXPECT_FALSE(w.scene().lblGameOver.Visible);
}

// Who serves after each miss ('L' left, 'R' right): the ball waits out the
// pause above the server's side and leaves towards the server's wall. Every
// new match opens with player 1.
struct ServeCase {
    const char* name;
    ServeRule rule;
    const char* misses;
    const char* servers;
};

class Serves : public ::testing::TestWithParam<ServeCase> {};

TEST_P(Serves, FollowTheRuleAndEveryMatchOpensWithPlayer1) {
    const ServeCase& c = GetParam();
    TestWindow w;
    Scene& s = w.scene();
    w.frm.serve.rule = c.rule;
    startMatch(w, MenuId::mnu8);
    for (std::size_t i = 0; c.misses[i] != '\0'; ++i) {
        const bool player2Serves = c.servers[i] == '2';
        float restedAt = 0;
        w.host.at(heartbeatAfter(w.host.virtualClock.nowMicros()) / 1000 + 100,
                  [&] { restedAt = s.shpBall.Left; });
        missOn(w, c.misses[i] == 'L' ? Side::left : Side::right);
        EXPECT_EQ(restedAt, player2Serves ? 840 : 9240) << "point " << i + 1;
        EXPECT_EQ(s.shpBall.Left, restedAt) << "point " << i + 1;
        EXPECT_EQ(s.shpBall.Top, 1080) << "point " << i + 1;
        EXPECT_EQ(w.state().ballSpeedX, player2Serves ? -65 : 65) << "point " << i + 1;
        EXPECT_EQ(w.state().ballSpeedY, 70) << "point " << i + 1;
    }
    // The match under way is left for a new one: its ball may be anywhere.
    s.tmrMain.Interval = 0;
    float restedAt = 0;
    w.host.at(heartbeatAfter(w.host.virtualClock.nowMicros()) / 1000 + 100,
              [&] { restedAt = s.shpBall.Left; });
    w.match().cmdPlay_Click();
    EXPECT_EQ(w.frm.serve.server, 1);
    EXPECT_EQ(restedAt, 9240);
    EXPECT_EQ(w.state().ballSpeedX, 65);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Serves,
    ::testing::Values(ServeCase{"Player1Always", ServeRule::player1, "RLLR", "1111"},
                      ServeCase{"TheLoser", ServeRule::loser, "RLLR", "1221"},
                      ServeCase{"InTurn", ServeRule::alternate, "RRLL", "2121"},
                      ServeCase{"TheLoserAfterPlayer2sServe", ServeRule::loser, "LL", "22"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
