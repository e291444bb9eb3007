// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "keys.h"
#include "match.h"

namespace gloob {

namespace {
constexpr std::int16_t walkStep = 150;
constexpr std::int16_t jumpStartStep = -150;
} // namespace

void Match::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    if (keyCode == keys::left) {
        state_.player1SpeedX = state_.player1BaseSpeedX = -walkStep;
    } else if (keyCode == keys::right) {
        state_.player1SpeedX = state_.player1BaseSpeedX = walkStep;
    }
    if (keyCode == keys::a) {
        state_.player2SpeedX = state_.player2BaseSpeedX = -walkStep;
    } else if (keyCode == keys::d) {
        state_.player2SpeedX = state_.player2BaseSpeedX = walkStep;
    }
    if (keyCode == keys::up && state_.player1Jumping == 0) {
        state_.player1Jumping = True16;
        state_.player1JumpSpeed = jumpStartStep;
    }
    if (keyCode == keys::w && state_.player2Jumping == 0) {
        state_.player2Jumping = True16;
        state_.player2JumpSpeed = jumpStartStep;
    }
}

// Releasing any key, even the other player's, stops both players.
void Match::Form_KeyUp(std::int16_t /*keyCode*/, std::int16_t /*shift*/) {
    stopPlayers();
}

void Match::stopPlayers() {
    state_.player1SpeedX = 0;
    state_.player1BaseSpeedX = 0;
    state_.player2SpeedX = 0;
    state_.player2BaseSpeedX = 0;
}

} // namespace gloob
