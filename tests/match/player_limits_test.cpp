// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace gloob::testing {
namespace {

struct Player {
    Shape Scene::*body;
    Shape Scene::*base;
    std::int16_t jumpKey;
    void (Match::*jumpTick)();
};

const Player player1{&Scene::shpGloob1, &Scene::shpBase1, 38, &Match::tmrJump1_Timer};
const Player player2{&Scene::shpGloob2, &Scene::shpBase2, 87, &Match::tmrJump2_Timer};

struct WalkCase {
    const char* name;
    const Player* player;
    std::int16_t key;
    float home;
    std::int16_t step;
    int tickThatReachesTheLimit;
    float limitLeft;
};

class WalkToLimit : public ::testing::TestWithParam<std::tuple<WalkCase, bool>> {};

// Each tick moves body and base by 150; the tick that takes the body past a
// limit puts both back onto it, and every later tick does so again.
TEST_P(WalkToLimit, StopsOnTheTickThatCrossesAndStaysPinned) {
    const auto& [c, inTheAir] = GetParam();
    TestWindow w;
    Shape& body = w.scene().*c.player->body;
    Shape& base = w.scene().*c.player->base;
    if (inTheAir) {
        w.frm.Form_KeyDown(c.player->jumpKey, 0);
        for (int k = 0; k < 10; ++k) {
            (w.match().*c.player->jumpTick)();
        }
        ASSERT_EQ(body.Top, 5520 - 1050);
    }
    const float bodyTop = body.Top;
    const float baseTop = base.Top;
    w.frm.Form_KeyDown(c.key, 0);

    for (int tick = 1; tick < c.tickThatReachesTheLimit; ++tick) {
        w.match().playerMovementAndLimits();
        ASSERT_EQ(body.Left, c.home + static_cast<float>(c.step * tick)) << "tick " << tick;
        ASSERT_EQ(base.Left, body.Left) << "tick " << tick;
    }
    for (int tick = c.tickThatReachesTheLimit; tick < c.tickThatReachesTheLimit + 40; ++tick) {
        w.match().playerMovementAndLimits();
        ASSERT_EQ(body.Left, c.limitLeft) << "tick " << tick;
        ASSERT_EQ(base.Left, c.limitLeft) << "tick " << tick;
    }
    EXPECT_EQ(body.Top, bodyTop) << "limits are horizontal only";
    EXPECT_EQ(base.Top, baseTop);
    EXPECT_EQ(w.state().player1SpeedX + w.state().player2SpeedX, c.step)
        << "a limit never changes the steps";
}

INSTANTIATE_TEST_SUITE_P(
    Players, WalkToLimit,
    ::testing::Combine(
        ::testing::Values(
            // Net's right face at 5760 + 255 = 6015: 8280 - 16 x 150 = 5880.
            WalkCase{"Player1TowardsTheNet", &player1, 37, 8280, -150, 16, 6015},
            // Right edge 9735 + 9 x 150 = 11085 passes 11040.
            WalkCase{"Player1TowardsTheWall", &player1, 39, 8280, 150, 9, 11040 - 1455},
            // 2160 - 14 x 150 = 60 passes the wall's inner edge at 135.
            WalkCase{"Player2TowardsTheWall", &player2, 65, 2160, -150, 14, 135},
            // Right edge 3615 + 13 x 150 = 5565 passes the net's left face at 5520.
            WalkCase{"Player2TowardsTheNet", &player2, 68, 2160, 150, 13, 5520 - 1455}),
        ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "InTheAir" : "OnTheGround");
    });

struct StandingCase {
    const char* name;
    const Player* player;
    float bodyLeft;
    float baseLeftAfter;
};

class StandingOnALimit : public ::testing::TestWithParam<StandingCase> {};

// The base starts away from the body so that a write of the limit shows.
TEST_P(StandingOnALimit, CountsAsTouchingItWhileOneTwipInsideDoesNot) {
    const StandingCase& c = GetParam();
    TestWindow w;
    Shape& body = w.scene().*c.player->body;
    Shape& base = w.scene().*c.player->base;
    body.Left = c.bodyLeft;
    base.Left = 3000;

    w.match().playerMovementAndLimits();

    EXPECT_EQ(body.Left, c.bodyLeft);
    EXPECT_EQ(base.Left, c.baseLeftAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, StandingOnALimit,
    ::testing::Values(StandingCase{"Player1OnTheNet", &player1, 6015, 6015},
                      StandingCase{"Player1OneTwipFromTheNet", &player1, 6016, 3000},
                      StandingCase{"Player1OnTheWall", &player1, 9585, 9585},
                      StandingCase{"Player1OneTwipFromTheWall", &player1, 9584, 3000},
                      StandingCase{"Player2OnTheWall", &player2, 135, 135},
                      StandingCase{"Player2OneTwipFromTheWall", &player2, 136, 3000},
                      StandingCase{"Player2OnTheNet", &player2, 4065, 4065},
                      StandingCase{"Player2OneTwipFromTheNet", &player2, 4064, 3000}),
    [](const auto& info) { return std::string(info.param.name); });

struct NarrowBaseCase {
    const char* name;
    const Player* player;
    std::int16_t key;
    float bodyLeft;
    float baseLeft;
};

class NarrowBase : public ::testing::TestWithParam<NarrowBaseCase> {};

// With a base narrower than its body: on a player's left-hand limit both left
// edges go onto it, on its right-hand limit both right edges.
TEST_P(NarrowBase, IsPlacedByItsLeftEdgeOnTheLeftLimitAndByItsOwnWidthOnTheRight) {
    const NarrowBaseCase& c = GetParam();
    TestWindow w;
    (w.scene().*c.player->base).Width = 1000;
    w.frm.Form_KeyDown(c.key, 0);
    for (int tick = 0; tick < 20; ++tick) {
        w.match().playerMovementAndLimits();
    }
    EXPECT_EQ((w.scene().*c.player->body).Left, c.bodyLeft);
    EXPECT_EQ((w.scene().*c.player->base).Left, c.baseLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, NarrowBase,
    ::testing::Values(NarrowBaseCase{"Player1Net", &player1, 37, 6015, 6015},
                      NarrowBaseCase{"Player1Wall", &player1, 39, 9585, 11040 - 1000},
                      NarrowBaseCase{"Player2Wall", &player2, 65, 135, 135},
                      NarrowBaseCase{"Player2Net", &player2, 68, 4065, 5520 - 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerMovement, BothPlayersMoveInTheSameTick) {
    TestWindow w;
    w.frm.Form_KeyDown(39, 0);
    w.frm.Form_KeyDown(65, 0);
    w.match().playerMovementAndLimits();
    EXPECT_EQ(w.scene().shpGloob1.Left, 8430);
    EXPECT_EQ(w.scene().shpBase1.Left, 8430);
    EXPECT_EQ(w.scene().shpGloob2.Left, 2010);
    EXPECT_EQ(w.scene().shpBase2.Left, 2010);
}

} // namespace
} // namespace gloob::testing
