// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace gloob::testing {
namespace {

// Steps that a key must leave alone keep these marks.
constexpr std::int16_t player1Kept = 11;
constexpr std::int16_t player2Kept = 22;
constexpr std::int16_t jumpSpeedKept = 160; // what a landed jump leaves behind

struct KeyDownCase {
    const char* name;
    std::int16_t keyCode;
    std::int16_t shift;
    std::int16_t player1Step;
    std::int16_t player2Step;
    bool player1Jumps;
    bool player2Jumps;
};

class KeyDown : public ::testing::TestWithParam<KeyDownCase> {};

TEST_P(KeyDown, SetsOnlyItsOwnRowOfTheKeyTable) {
    const KeyDownCase& c = GetParam();
    TestWindow w;
    MatchState& s = w.state();
    s.player1SpeedX = s.player1BaseSpeedX = player1Kept;
    s.player2SpeedX = s.player2BaseSpeedX = player2Kept;
    s.player1JumpSpeed = s.player2JumpSpeed = jumpSpeedKept;
    const Scene sceneBefore = w.scene();

    w.frm.Form_KeyDown(c.keyCode, c.shift);

    EXPECT_EQ(s.player1SpeedX, c.player1Step);
    EXPECT_EQ(s.player1BaseSpeedX, c.player1Step);
    EXPECT_EQ(s.player2SpeedX, c.player2Step);
    EXPECT_EQ(s.player2BaseSpeedX, c.player2Step);
    EXPECT_EQ(s.player1Jumping, c.player1Jumps ? -1 : 0);
    EXPECT_EQ(s.player1JumpSpeed, c.player1Jumps ? -150 : jumpSpeedKept);
    EXPECT_EQ(s.player2Jumping, c.player2Jumps ? -1 : 0);
    EXPECT_EQ(s.player2JumpSpeed, c.player2Jumps ? -150 : jumpSpeedKept);
    EXPECT_TRUE(w.scene() == sceneBefore) << "a key handler moves nothing itself";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyDown,
    ::testing::Values(KeyDownCase{"LeftArrow", 37, 0, -150, player2Kept, false, false},
                      KeyDownCase{"RightArrow", 39, 0, 150, player2Kept, false, false},
                      KeyDownCase{"UpArrow", 38, 0, player1Kept, player2Kept, true, false},
                      KeyDownCase{"A", 65, 0, player1Kept, -150, false, false},
                      KeyDownCase{"D", 68, 0, player1Kept, 150, false, false},
                      KeyDownCase{"W", 87, 0, player1Kept, player2Kept, false, true},
                      KeyDownCase{"ShiftA", 65, 1, player1Kept, -150, false, false},
                      KeyDownCase{"ShiftUpArrow", 38, 1, player1Kept, player2Kept, true, false},
                      KeyDownCase{"S", 83, 0, player1Kept, player2Kept, false, false},
                      KeyDownCase{"DownArrow", 40, 0, player1Kept, player2Kept, false, false},
                      KeyDownCase{"Space", 32, 0, player1Kept, player2Kept, false, false},
                      KeyDownCase{"Enter", 13, 0, player1Kept, player2Kept, false, false},
                      KeyDownCase{"NumpadOne", 97, 0, player1Kept, player2Kept, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct LastKeyCase {
    const char* name;
    std::int16_t first, second;
    std::int16_t player1Step, player2Step;
};

class DirectionKeys : public ::testing::TestWithParam<LastKeyCase> {};

TEST_P(DirectionKeys, TheLastOnePressedWins) {
    const LastKeyCase& c = GetParam();
    TestWindow w;
    w.frm.Form_KeyDown(c.first, 0);
    w.frm.Form_KeyDown(c.second, 0);
    EXPECT_EQ(w.state().player1SpeedX, c.player1Step);
    EXPECT_EQ(w.state().player1BaseSpeedX, c.player1Step);
    EXPECT_EQ(w.state().player2SpeedX, c.player2Step);
    EXPECT_EQ(w.state().player2BaseSpeedX, c.player2Step);
}

INSTANTIATE_TEST_SUITE_P(Keys, DirectionKeys,
                         ::testing::Values(LastKeyCase{"LeftThenRight", 37, 39, 150, 0},
                                           LastKeyCase{"RightThenLeft", 39, 37, -150, 0},
                                           LastKeyCase{"AThenD", 65, 68, 0, 150},
                                           LastKeyCase{"DThenA", 68, 65, 0, -150},
                                           LastKeyCase{"BothPlayersAtOnce", 37, 68, -150, 150}),
                         [](const auto& info) { return std::string(info.param.name); });

class KeyUp : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(KeyUp, AnyReleaseStopsBothPlayersAndLeavesJumpsAlone) {
    TestWindow w;
    w.frm.Form_KeyDown(37, 0);
    w.frm.Form_KeyDown(68, 0);
    w.frm.Form_KeyDown(38, 0);
    w.frm.Form_KeyDown(87, 0);
    w.match().tmrJump1_Timer();
    const Scene sceneBefore = w.scene();

    w.frm.Form_KeyUp(GetParam(), 0);

    EXPECT_EQ(w.state().player1SpeedX, 0);
    EXPECT_EQ(w.state().player1BaseSpeedX, 0);
    EXPECT_EQ(w.state().player2SpeedX, 0);
    EXPECT_EQ(w.state().player2BaseSpeedX, 0);
    EXPECT_EQ(w.state().player1Jumping, -1);
    EXPECT_EQ(w.state().player1JumpSpeed, -140);
    EXPECT_EQ(w.state().player2Jumping, -1);
    EXPECT_EQ(w.state().player2JumpSpeed, -150);
    EXPECT_TRUE(w.scene() == sceneBefore);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyUp,
                         ::testing::Values(std::int16_t{37}, std::int16_t{39}, std::int16_t{38},
                                           std::int16_t{65}, std::int16_t{68}, std::int16_t{87},
                                           std::int16_t{83}, std::int16_t{40}, std::int16_t{32}));

TEST(KeyUp, OtherPlayersReleaseStopsAPlayerWhoStillHoldsAKey) {
    TestWindow w;
    w.frm.Form_KeyDown(37, 0); // player 1 holds left
    w.frm.Form_KeyDown(87, 0); // player 2 taps W
    w.frm.Form_KeyUp(87, 0);
    EXPECT_EQ(w.state().player1SpeedX, 0);
    EXPECT_EQ(w.state().player1BaseSpeedX, 0);
    EXPECT_EQ(w.state().player2Jumping, -1) << "the tap still jumps";

    w.frm.Form_KeyDown(37, 0); // the next repeat of the held key
    EXPECT_EQ(w.state().player1SpeedX, -150);
}

TEST(KeyUp, ReleasingRightWhileLeftIsHeldStopsPlayer1) {
    TestWindow w;
    w.frm.Form_KeyDown(37, 0);
    w.frm.Form_KeyDown(39, 0);
    ASSERT_EQ(w.state().player1SpeedX, 150);
    w.frm.Form_KeyUp(39, 0);
    EXPECT_EQ(w.state().player1SpeedX, 0);
    EXPECT_EQ(w.state().player1BaseSpeedX, 0);
}

TEST(LostFocus, StopsAllFourStepsAndLeavesJumpsAlone) {
    TestWindow w;
    w.frm.Form_KeyDown(39, 0);
    w.frm.Form_KeyDown(65, 0);
    w.frm.Form_KeyDown(87, 0);
    w.match().tmrJump2_Timer();
    w.match().tmrJump2_Timer();
    const Scene sceneBefore = w.scene();

    w.frm.Form_LostFocus();

    EXPECT_EQ(w.state().player1SpeedX, 0);
    EXPECT_EQ(w.state().player1BaseSpeedX, 0);
    EXPECT_EQ(w.state().player2SpeedX, 0);
    EXPECT_EQ(w.state().player2BaseSpeedX, 0);
    EXPECT_EQ(w.state().player2Jumping, -1);
    EXPECT_EQ(w.state().player2JumpSpeed, -130);
    EXPECT_TRUE(w.scene() == sceneBefore);
}

struct JumpingPlayer {
    const char* name;
    std::int16_t jumpKey;
    void (Match::*jumpTick)();
    Shape Scene::*body;
    Shape Scene::*base;
    std::int16_t MatchState::*jumping;
    std::int16_t MatchState::*jumpSpeed;
    float homeLeft;
};

// Height above the ground after k ticks of the arc -150, -140, ..., 150.
float heightAfter(int k) {
    return static_cast<float>(150 * k - 5 * k * (k - 1));
}

class Jump : public ::testing::TestWithParam<JumpingPlayer> {};

TEST_P(Jump, FollowsTheWholeArcAndLandsExactlyOnTheGround) {
    const JumpingPlayer& p = GetParam();
    TestWindow w;
    Shape& body = w.scene().*p.body;
    Shape& base = w.scene().*p.base;
    w.frm.Form_KeyDown(p.jumpKey, 0);
    ASSERT_EQ(w.state().*p.jumping, -1);
    ASSERT_EQ(w.state().*p.jumpSpeed, -150);

    for (int k = 1; k <= 31; ++k) {
        (w.match().*p.jumpTick)();
        EXPECT_EQ(body.Top, 5520 - heightAfter(k)) << "after tick " << k;
        EXPECT_EQ(base.Top, 6120 - heightAfter(k)) << "after tick " << k;
        EXPECT_EQ(w.state().*p.jumpSpeed, -150 + 10 * k) << "after tick " << k;
        EXPECT_EQ(w.state().*p.jumping, k < 31 ? -1 : 0) << "after tick " << k;
        if (k == 15 || k == 16) {
            EXPECT_EQ(body.Top, 5520 - 1200) << "the top of the arc, after tick " << k;
        }
    }
    EXPECT_EQ(body.Top, 5520);
    EXPECT_EQ(base.Top, 6120);
    EXPECT_EQ(w.state().*p.jumpSpeed, 160);

    (w.match().*p.jumpTick)();
    EXPECT_EQ(body.Top, 5520) << "a landed player stays down";
    EXPECT_EQ(w.state().*p.jumpSpeed, 160);
    EXPECT_EQ(body.Left, p.homeLeft);
    EXPECT_EQ(base.Left, p.homeLeft);
}

TEST_P(Jump, KeyIsIgnoredInTheAir) {
    const JumpingPlayer& p = GetParam();
    TestWindow w;
    w.frm.Form_KeyDown(p.jumpKey, 0);
    for (int k = 0; k < 3; ++k) {
        (w.match().*p.jumpTick)();
    }
    ASSERT_EQ(w.state().*p.jumpSpeed, -120);

    w.frm.Form_KeyDown(p.jumpKey, 0);

    EXPECT_EQ(w.state().*p.jumping, -1);
    EXPECT_EQ(w.state().*p.jumpSpeed, -120);
    EXPECT_EQ((w.scene().*p.body).Top, 5520 - heightAfter(3));
}

TEST_P(Jump, OutsideAMatchTheJumpTimerAnimatesTheJump) {
    const JumpingPlayer& p = GetParam();
    TestWindow w;
    ASSERT_EQ(w.scene().tmrMain.Interval, 0);
    const Shape& body = w.scene().*p.body;
    w.host.at(20, [&] { w.frm.Form_KeyDown(p.jumpKey, 0); });

    float highest = body.Top;
    bool tookOff = false;
    for (int beat = 0; beat < 80; ++beat) {
        w.runHeartbeats(1);
        highest = std::min(highest, body.Top);
        tookOff = tookOff || w.state().*p.jumping != 0;
        if (tookOff && w.state().*p.jumping == 0) {
            break;
        }
    }

    ASSERT_TRUE(tookOff);
    EXPECT_EQ(w.state().*p.jumping, 0) << "landed";
    EXPECT_EQ(highest, 5520 - 1200);
    EXPECT_EQ(body.Top, 5520);
    EXPECT_EQ((w.scene().*p.base).Top, 6120);
    EXPECT_EQ(w.state().*p.jumpSpeed, 160) << "31 jump ticks moved the player";
    EXPECT_EQ(w.scene().shpBall.Left, 9240) << "no main tick ran";
    EXPECT_EQ(w.scene().shpBall.Top, 1080);
}

INSTANTIATE_TEST_SUITE_P(
    Players, Jump,
    ::testing::Values(JumpingPlayer{"Player1", 38, &Match::tmrJump1_Timer, &Scene::shpGloob1,
                                    &Scene::shpBase1, &MatchState::player1Jumping,
                                    &MatchState::player1JumpSpeed, 8280},
                      JumpingPlayer{"Player2", 87, &Match::tmrJump2_Timer, &Scene::shpGloob2,
                                    &Scene::shpBase2, &MatchState::player2Jumping,
                                    &MatchState::player2JumpSpeed, 2160}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Jump, OnePlayersJumpTimerLeavesTheOtherPlayerAlone) {
    TestWindow w;
    w.frm.Form_KeyDown(38, 0);
    w.frm.Form_KeyDown(87, 0);
    w.match().tmrJump1_Timer();
    EXPECT_EQ(w.scene().shpGloob1.Top, 5370);
    EXPECT_EQ(w.scene().shpGloob2.Top, 5520);
    EXPECT_EQ(w.state().player2JumpSpeed, -150);
}

} // namespace
} // namespace gloob::testing
