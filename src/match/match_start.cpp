// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "match.h"
#include "steps.h"

#include <string>

namespace gloob {

namespace {
// A score in signed-number form: a blank where a plus sign would stand.
std::string signedNumberText(std::int16_t value) {
    std::string text = value < 0 ? "" : " ";
    return text.append(std::to_string(value));
}
} // namespace

void Match::cmdPlay_Click() {
    scene_.cmdPlay.Visible = false;
    scene_.cmdExit.Visible = false;
    scene_.shpBall.Visible = true;
    scene_.lblGameOver.Visible = false;

    if (scene_.mnu3.Checked) {
        state_.ballsPerGame = 3;
    }
    if (scene_.mnu5.Checked) {
        state_.ballsPerGame = 5;
    }
    if (scene_.mnu8.Checked) {
        state_.ballsPerGame = 8;
    }

    if (scene_.mnuMountain.Checked) {
        scene_.imgMountain.Visible = true;
        scene_.imgBeach.Visible = false;
    }
    if (scene_.mnuBeach.Checked) {
        scene_.imgBeach.Visible = true;
        scene_.imgMountain.Visible = false;
    }
    // A match started without a picture must not keep the last match's.
    if (scene_.mnuNone.Checked) {
        scene_.imgMountain.Visible = false;
        scene_.imgBeach.Visible = false;
    }

    state_.ballSpeedY = state_.serveSpeedY;
    state_.ballSpeedX = steps::serveX;
    state_.serveSpeedY = steps::serveY;

    // Every match opens with player 1's serve; under the first rule the ball
    // is already there.
    if (serve_.server != 1) {
        serve_.server = 1;
        scene_.shpBall.Left = state_.ballHomeLeft;
    }

    state_.player1Score = 0;
    state_.player2Score = 0;
    scene_.lblPlayer1Score.Caption = signedNumberText(state_.player1Score);
    scene_.lblPlayer2Score.Caption = signedNumberText(state_.player2Score);

    window_.Wait(pauseMilliseconds);
    window_.setInterval(TimerId::tmrMain, 1);
}

} // namespace gloob
