// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"
#include "steps.h"

namespace gloob {

void Match::tmrBall_Timer() {
    Shape& ball = scene_.shpBall;
    if (state_.ballArcRunning != 0) {
        ball.Top = plusStep(ball.Top, state_.ballSpeedY);
        state_.ballSpeedY = add16(state_.ballSpeedY, steps::ballGravity);
    }
    // Only this timer ends an arc: once the ball is back down at its start height.
    if (ball.Top >= static_cast<float>(state_.ballArcLimit)) {
        state_.ballArcRunning = False16;
    }
}

void Match::startBallArc(std::int16_t upwardStep) {
    state_.ballArcRunning = True16;
    state_.ballSpeedY = upwardStep;
    state_.ballArcLimit = toInt16(scene_.shpBall.Top);
}

} // namespace gloob
