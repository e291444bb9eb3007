// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"
#include "steps.h"

namespace gloob {

// The net is found by colour too. The right post is drawn above the ball and
// the ball above the left post, so the stacking decides what each probe sees.
void Match::ballAndNetContact() {
    const Shape& ball = scene_.shpBall;

    // Middle of the left side against the right post: turn back.
    if (window_.Point(ball.Left, ball.Top + ball.Height / 2.0f) == colours::navy) {
        state_.ballSpeedX = negate16(state_.ballSpeedX);
    }
    // Middle of the right side against the left post: turn back.
    if (window_.Point(ball.Left + ball.Width, ball.Top + ball.Height / 2.0f) == colours::teal) {
        state_.ballSpeedX = negate16(state_.ballSpeedX);
    }
    // Middle of the underside on top of either post: bounce up, keep going sideways.
    if (window_.Point(ball.Left + ball.Width / 2.0f, ball.Top + ball.Height) == colours::teal) {
        startBallArc(steps::netBounce);
    }
    if (window_.Point(ball.Left + ball.Width / 2.0f, ball.Top + ball.Height) == colours::navy) {
        startBallArc(steps::netBounce);
    }
}

} // namespace gloob
