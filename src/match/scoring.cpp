// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"
#include "steps.h"

#include <string>

namespace gloob {

namespace {
// The ball's Top must pass this depth, as well as lie wholly below the floor strip.
constexpr float scoringDepth = 6000;
} // namespace

// The sides meet in the middle of the net: a ball whose centre falls right of
// it is player 1's miss, left of it player 2's.
float Match::middleOfNet() const {
    const Shape& netLeft = scene_.shpWallLeft;
    const Shape& netRight = scene_.shpWallRight;
    return (netLeft.Left + netRight.Left + netRight.Width) / 2.0f;
}

void Match::floorTestPointForPlayer2() {
    const Shape& ball = scene_.shpBall;
    const bool belowStrip = ball.Height + scene_.shpBottom1.Top < ball.Top;
    const bool onRightSide = ball.Left + ball.Width / 2.0f >= middleOfNet();
    const bool deepEnough = ball.Top > scoringDepth;
    if (belowStrip && onRightSide && deepEnough) {
        playOutPoint(2, state_.player2Score, scene_.lblPlayer2Score);
    }
}

void Match::floorTestPointForPlayer1() {
    const Shape& ball = scene_.shpBall;
    const bool belowStrip = ball.Height + scene_.shpBottom2.Top < ball.Top;
    const bool onLeftSide = ball.Left + ball.Width / 2.0f < middleOfNet();
    const bool deepEnough = ball.Top > scoringDepth;
    if (belowStrip && onLeftSide && deepEnough) {
        playOutPoint(1, state_.player1Score, scene_.lblPlayer1Score);
    }
}

// Ball and players go home, the game pauses with the old score still shown,
// then the point counts; the players keep their height, steps and jumps. The
// ball waits out the pause where the next server will serve it from.
void Match::playOutPoint(std::int16_t scorer, std::int16_t& scorerScore, Label& scorerLabel) {
    serve_.server = nextServer(serve_, scorer);
    scene_.shpBall.Left = serveLeft(scene_, state_, serve_.server);
    scene_.shpBall.Top = state_.ballHomeTop;
    scene_.shpGloob1.Left = state_.player1HomeLeft;
    scene_.shpBase1.Left = state_.player1BaseHomeLeft;
    scene_.shpGloob2.Left = state_.player2HomeLeft;
    scene_.shpBase2.Left = state_.player2BaseHomeLeft;

    window_.Wait(pauseMilliseconds);

    scorerScore = add16(scorerScore, 1);
    scorerLabel.Caption = std::to_string(scorerScore);
    state_.ballSpeedX = serveStepX(serve_.server);
    state_.ballSpeedY = steps::serveY;

    if (scorerScore == state_.ballsPerGame) {
        window_.setInterval(TimerId::tmrMain, 0);
        scene_.shpBall.Visible = false;
        scene_.lblGameOver.Visible = true;
        scene_.cmdExit.Visible = true;
        scene_.cmdPlay.Visible = true;
    }
}

} // namespace gloob
