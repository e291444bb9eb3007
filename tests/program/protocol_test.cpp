// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "match/keys.h"
#include "program/protocol.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <variant>
#include <vector>

namespace gloob::program {
namespace {

struct Answer {
    const char* name;
    std::string line;
    int side;
    std::vector<KeyEvent> keys; // when good
    std::string error;          // when bad
};

void PrintTo(const Answer& answer, std::ostream* out) {
    *out << answer.name;
}

class Answers : public ::testing::TestWithParam<Answer> {};

TEST_P(Answers, AreTheSidesKeysOrWhyNot) {
    const Answer& row = GetParam();
    const auto parsed = parseAnswer(row.line, row.side);
    if (row.error.empty()) {
        ASSERT_TRUE(std::holds_alternative<std::vector<KeyEvent>>(parsed))
            << std::get<std::string>(parsed);
        EXPECT_EQ(std::get<std::vector<KeyEvent>>(parsed), row.keys);
    } else {
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed));
        EXPECT_EQ(std::get<std::string>(parsed), row.error);
    }
}

const std::string noKey = ", which is no key (+left, -left, +right, -right, +jump or -jump)";

INSTANTIATE_TEST_SUITE_P(
    Lines, Answers,
    ::testing::Values(
        Answer{"empty", "", 1, {}, ""}, Answer{"blanks", " \t ", 2, {}, ""},
        Answer{"press_left", "+left", 1, {{true, keys::left, 0}}, ""},
        Answer{"player_2s_keys",
               "+left -right +jump",
               2,
               {{true, keys::a, 0}, {false, keys::d, 0}, {true, keys::w, 0}},
               ""},
        Answer{"in_order_with_blanks",
               "\t-jump  +right ",
               1,
               {{false, keys::up, 0}, {true, keys::right, 0}},
               ""},
        Answer{"carriage_return", "+jump\r", 1, {{true, keys::up, 0}}, ""},
        Answer{"no_sign", "left", 1, {}, "'left'" + noKey},
        Answer{"unknown_control", "+left +up", 1, {}, "'+up'" + noKey},
        Answer{"upper_case", "+LEFT", 1, {}, "'+LEFT'" + noKey},
        Answer{"sign_alone", "+", 1, {}, "'+'" + noKey},
        Answer{"two_signs", "++left", 1, {}, "'++left'" + noKey},
        Answer{"commas", "+left,+jump", 1, {}, "'+left,+jump'" + noKey},
        Answer{"control_bytes", "+left\x1b[2J", 2, {}, "'+left\\x1B[2J'" + noKey},
        Answer{"too_long", std::string(257, ' '), 1, {}, "an answer longer than 256 bytes"}),
    [](const auto& info) { return std::string(info.param.name); });

// What a player sees, as a program reads it.
TEST(SightLine, IsOneJsonObjectOfWhatAPlayerSees) {
    Scene scene;
    MatchState state;
    scene.shpBall.Left = 9305.5f;
    scene.shpBall.Visible = true;
    scene.lblGameOver.Visible = false;
    state.ballSpeedX = -65;
    state.ballSpeedY = 70;
    state.player2SpeedX = 150;
    state.player2Jumping = -1;
    state.player1Score = 3;
    const std::string line = sightLine(2031250, 2, scene, state);
    ASSERT_EQ(line.find('\n'), std::string::npos);
    const auto seen = nlohmann::json::parse(line);
    EXPECT_EQ(seen, nlohmann::json::parse(R"({"t":2031250,"side":2,"ball":[9305.5,1080,-65,70],
        "p1":[8280,5520,0,0],"p2":[2160,5520,150,-1],"score":[3,0],"play":1})"));
    scene.lblGameOver.Visible = true;
    EXPECT_EQ(nlohmann::json::parse(sightLine(0, 1, scene, state))["play"], 0);
}

} // namespace
} // namespace gloob::program
