// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "keys.h"
#include "match.h"
#include "steps.h"

namespace gloob {

void Match::Form_KeyDown(std::int16_t keyCode, std::int16_t /*shift*/) {
    if (keyCode == keys::left) {
        state_.player1SpeedX = state_.player1BaseSpeedX = -steps::walk;
    } else if (keyCode == keys::right) {
        state_.player1SpeedX = state_.player1BaseSpeedX = steps::walk;
    }
    if (keyCode == keys::a) {
        state_.player2SpeedX = state_.player2BaseSpeedX = -steps::walk;
    } else if (keyCode == keys::d) {
        state_.player2SpeedX = state_.player2BaseSpeedX = steps::walk;
    }
    if (keyCode == keys::up && state_.player1Jumping == 0) {
        state_.player1Jumping = True16;
        state_.player1JumpSpeed = steps::jumpStart;
    }
    if (keyCode == keys::w && state_.player2Jumping == 0) {
        state_.player2Jumping = True16;
        state_.player2JumpSpeed = steps::jumpStart;
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
