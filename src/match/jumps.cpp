// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"
#include "steps.h"

namespace gloob {

void Match::tmrJump1_Timer() {
    jumpTick(scene_.shpGloob1, scene_.shpBase1, state_.player1Jumping, state_.player1JumpSpeed,
             state_.player1HomeTop);
}

void Match::tmrJump2_Timer() {
    jumpTick(scene_.shpGloob2, scene_.shpBase2, state_.player2Jumping, state_.player2JumpSpeed,
             state_.player2HomeTop);
}

void Match::jumpTick(Shape& body, Shape& base, std::int16_t& jumping, std::int16_t& jumpSpeed,
                     std::int16_t homeTop) {
    if (jumping != 0) {
        body.Top = plusStep(body.Top, jumpSpeed);
        base.Top = plusStep(base.Top, jumpSpeed);
        jumpSpeed = add16(jumpSpeed, steps::jumpGravity);
    }
    // Landing only clears the flag; the arc ends exactly on the ground by itself.
    if (body.Top >= static_cast<float>(homeTop)) {
        jumping = False16;
    }
}

} // namespace gloob
