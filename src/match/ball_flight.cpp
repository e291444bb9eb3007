// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"

namespace gloob {

void Match::ballFlightAndRebounds() {
    Shape& ball = scene_.shpBall;
    ball.Top = plusStep(ball.Top, state_.ballSpeedY);
    ball.Left = plusStep(ball.Left, state_.ballSpeedX);

    // A rebound puts the ball on the boundary and reverses the step whatever
    // its sign; the walls act over the whole height, the ceiling over the whole width.
    const Shape& leftWall = scene_.shpLeft;
    const Shape& rightWall = scene_.shpRight;
    if (ball.Left <= leftWall.Left + leftWall.Width) {
        ball.Left = leftWall.Left + leftWall.Width;
        state_.ballSpeedX = negate16(state_.ballSpeedX);
    } else if (ball.Left + ball.Width >= rightWall.Left) {
        ball.Left = rightWall.Left - ball.Width;
        state_.ballSpeedX = negate16(state_.ballSpeedX);
    }

    const Shape& ceiling = scene_.shpTop;
    if (ball.Top <= ceiling.Top + ceiling.Height) {
        ball.Top = ceiling.Top + ceiling.Height;
        state_.ballSpeedY = negate16(state_.ballSpeedY);
    }
}

} // namespace gloob
