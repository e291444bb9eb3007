// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "strike.h"

#include "int16_arith.h"
#include "steps.h"

namespace gloob {

namespace {
bool restsOn(const Shape& ball, const Shape& body) {
    return ball.Top + ball.Height == body.Top && ball.Left + ball.Width >= body.Left &&
           body.Left + body.Width >= ball.Left;
}
} // namespace

Striker ballJustStruck(const MatchState& state, const Shape& ball, const Shape& body1,
                       const Shape& body2) {
    const bool freshStep = state.ballSpeedY == steps::hit ||
                           state.ballSpeedY == steps::jumpingHit ||
                           state.ballSpeedY == steps::netBounce;
    if (state.ballArcRunning == 0 || !freshStep || state.ballArcLimit != toInt16(ball.Top)) {
        return Striker::none;
    }
    if (restsOn(ball, body1)) {
        return Striker::player1;
    }
    if (restsOn(ball, body2)) {
        return Striker::player2;
    }
    return Striker::netTop;
}

} // namespace gloob
