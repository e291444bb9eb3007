// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A computer player on its own: where it walks, its hands off the game, and
// how a seed fixes what it does.
#include "bot/computer_player.h"
#include "match/keys.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace gloob::testing {
namespace {

using bot::BotStrength;
using bot::ComputerPlayer;

// The window in the middle of a rally: the ball shown, "GAME OVER" gone.
struct RallyWindow : TestWindow {
    RallyWindow() {
        scene().cmdPlay.Visible = false;
        scene().cmdExit.Visible = false;
        scene().lblGameOver.Visible = false;
        scene().shpBall.Visible = true;
    }

    void placeBody(int side, float left) {
        Shape& body = side == 1 ? scene().shpGloob1 : scene().shpGloob2;
        Shape& base = side == 1 ? scene().shpBase1 : scene().shpBase2;
        body.Left = base.Left = left;
    }

    void throwBall(float left, float top, std::int16_t speedX, std::int16_t speedY) {
        scene().shpBall.Left = left;
        scene().shpBall.Top = top;
        state().ballSpeedX = speedX;
        state().ballSpeedY = speedY;
    }
};

// The direction key among a heartbeat's events, 0 if none is pressed.
std::int16_t directionPressed(const std::vector<KeyEvent>& events) {
    for (const KeyEvent& event : events) {
        if (event.down && event.keyCode != keys::up && event.keyCode != keys::w) {
            return event.keyCode;
        }
    }
    return 0;
}

struct Situation {
    const char* name;
    int side;
    float bodyLeft;
    float ballLeft, ballTop;
    std::int16_t speedX, speedY;
    std::int16_t key; // the direction it must take at once; 0 to stand still
};

void PrintTo(const Situation& s, std::ostream* os) {
    *os << s.name;
}

class WalksTowardTheBall : public ::testing::TestWithParam<std::tuple<Situation, BotStrength>> {};

TEST_P(WalksTowardTheBall, AtItsFirstHeartbeat) {
    const auto& [situation, strength] = GetParam();
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        RallyWindow window;
        window.placeBody(situation.side, situation.bodyLeft);
        window.throwBall(situation.ballLeft, situation.ballTop, situation.speedX, situation.speedY);
        ComputerPlayer player(situation.side, strength, seed);
        EXPECT_EQ(directionPressed(player.decide(window.scene(), window.state())), situation.key)
            << "seed " << seed;
    }
}

// Each ball comes down far enough from the body that not even the widest
// aim may keep the player where it is; a ball bound for the other side
// leaves a player standing in the middle of its own half.
const Situation situations[] = {
    {"ServeLandsFarLeftOfPlayer1AtTheWall", 1, 9585, 9240, 1080, 65, 70, keys::left},
    {"BallDropsAtTheBackWhilePlayer1StandsAtTheNet", 1, 6015, 10000, 3000, 65, 70, keys::right},
    {"BallDropsMidCourtWhilePlayer2StandsAtTheWall", 2, 135, 5000, 3000, -65, 70, keys::d},
    {"BallDropsAtTheBackWhilePlayer2StandsAtTheNet", 2, 4065, 1500, 3000, -65, 70, keys::a},
    {"BallFallsAtTheBackWhilePlayer1StandsInTheMiddle", 1, 7800, 10000, 3000, 0, 70, keys::right},
    {"BallFallsAtTheBackWhilePlayer2StandsInTheMiddle", 2, 2100, 600, 3000, 0, 70, keys::a},
    {"BallBoundForPlayer2LeavesPlayer1InTheMiddle", 1, 7800, 3000, 3000, -65, 70, 0},
    {"BallBoundForPlayer1LeavesPlayer2InTheMiddle", 2, 2100, 9000, 3000, 65, 70, 0},
};

INSTANTIATE_TEST_SUITE_P(Situations, WalksTowardTheBall,
                         ::testing::Combine(::testing::ValuesIn(situations),
                                            ::testing::Values(BotStrength::easy)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::string(bot::nameOf(std::get<1>(info.param)));
                         });

// Hard plays the point out once it has reacted to the ball it sees, and
// then sets off toward a ball coming down on its side.
TEST(ComputerPlayer, HardSetsOffTowardTheBallOnceItHasReacted) {
    const int reaction = bot::profileOf(BotStrength::hard).reactionDelay;
    for (const Situation& situation : situations) {
        if (situation.key == 0) {
            continue; // where it waits for a ball bound for the other side is its own choice
        }
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            RallyWindow window;
            window.placeBody(situation.side, situation.bodyLeft);
            window.throwBall(situation.ballLeft, situation.ballTop, situation.speedX,
                             situation.speedY);
            ComputerPlayer player(situation.side, BotStrength::hard, seed);
            // The window stands still, so the key held is pressed again at every heartbeat.
            std::int16_t key = 0;
            for (int heartbeat = 0; heartbeat <= reaction; ++heartbeat) {
                key = directionPressed(player.decide(window.scene(), window.state()));
            }
            EXPECT_EQ(key, situation.key) << situation.name << ", seed " << seed;
        }
    }
}

// Every strength lets go of its keys while no ball is in play, on the first
// screen and under GAME OVER, and presses none, wherever it stands.
TEST(ComputerPlayer, StandsStillWhileNoBallIsInPlay) {
    for (const BotStrength strength : {BotStrength::easy, BotStrength::normal, BotStrength::hard}) {
        for (const bool gameOver : {false, true}) {
            RallyWindow window;
            window.placeBody(1, 9585); // against its wall, far from the middle
            window.throwBall(7000, 3000, 65, 70);
            ComputerPlayer player(1, strength, 1);
            EXPECT_EQ(directionPressed(player.decide(window.scene(), window.state())), keys::left);
            window.scene().shpBall.Visible = gameOver;
            window.scene().lblGameOver.Visible = gameOver;
            const std::string context =
                std::string(bot::nameOf(strength)) + (gameOver ? ", game over" : ", ball hidden");
            const auto letGo = player.decide(window.scene(), window.state());
            EXPECT_NE(std::find(letGo.begin(), letGo.end(), KeyEvent{false, keys::left, 0}),
                      letGo.end())
                << context;
            for (int heartbeat = 0; heartbeat < 30; ++heartbeat) {
                EXPECT_EQ(directionPressed(player.decide(window.scene(), window.state())), 0)
                    << context;
            }
        }
    }
}

// Plays a few rallies with the window's own timers, both sides computer
// players, keys handed straight to the window.
struct Recorded {
    std::vector<Scene> scenes;
    std::vector<MatchState> states;
    std::vector<std::vector<KeyEvent>> events;
};

Recorded playAndRecord(std::uint32_t seed, int heartbeats) {
    TestWindow window;
    ComputerPlayer one(1, BotStrength::hard, seed);
    ComputerPlayer two(2, BotStrength::normal, seed);
    Recorded recorded;
    window.frm.cmdPlay_Click();
    for (int i = 0; i < heartbeats; ++i) {
        for (ComputerPlayer* player : {&one, &two}) {
            const Scene scene = window.scene();
            const MatchState state = window.state();
            const std::vector<KeyEvent> events = player->decide(window.scene(), window.state());
            EXPECT_EQ(window.scene(), scene) << "heartbeat " << i;
            EXPECT_EQ(window.state(), state) << "heartbeat " << i;
            if (player == &one) {
                recorded.scenes.push_back(scene);
                recorded.states.push_back(state);
                recorded.events.push_back(events);
            }
            for (const KeyEvent& event : events) {
                event.down ? window.frm.Form_KeyDown(event.keyCode, event.shift)
                           : window.frm.Form_KeyUp(event.keyCode, event.shift);
            }
        }
        window.runHeartbeats(1);
    }
    return recorded;
}

TEST(ComputerPlayer, ReadsTheGameWithoutWritingIt) {
    const Recorded recorded = playAndRecord(5, 1500);
    // It did play: some heartbeats brought keys.
    int withKeys = 0;
    for (const auto& events : recorded.events) {
        withKeys += events.empty() ? 0 : 1;
    }
    EXPECT_GT(withKeys, 10);
}

TEST(ComputerPlayer, TheSameSeedAndSightsGiveTheSameKeys) {
    const Recorded recorded = playAndRecord(11, 1500);
    ComputerPlayer again(1, BotStrength::hard, 11);
    for (std::size_t i = 0; i < recorded.scenes.size(); ++i) {
        ASSERT_EQ(again.decide(recorded.scenes[i], recorded.states[i]), recorded.events[i])
            << "heartbeat " << i;
    }
}

TEST(ComputerPlayer, AnotherSeedPlaysOtherwise) {
    const Recorded recorded = playAndRecord(11, 1500);
    ComputerPlayer other(1, BotStrength::hard, 12);
    bool differs = false;
    for (std::size_t i = 0; i < recorded.scenes.size() && !differs; ++i) {
        differs = other.decide(recorded.scenes[i], recorded.states[i]) != recorded.events[i];
    }
    EXPECT_TRUE(differs);
}

} // namespace
} // namespace gloob::testing
