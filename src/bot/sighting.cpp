// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sighting.h"

namespace gloob::bot {

namespace {
BodyState bodyOf(const Shape& body, std::int16_t speedX, std::int16_t jumping,
                 std::int16_t jumpSpeed) {
    return {body.Left, body.Top, speedX, jumping, jumpSpeed};
}
} // namespace

Sighting Sighting::of(const Scene& scene, const MatchState& state) {
    Sighting seen;
    seen.ball = {scene.shpBall.Left, scene.shpBall.Top,    state.ballSpeedX,
                 state.ballSpeedY,   state.ballArcRunning, state.ballArcLimit};
    seen.bodies[0] =
        bodyOf(scene.shpGloob1, state.player1SpeedX, state.player1Jumping, state.player1JumpSpeed);
    seen.bodies[1] =
        bodyOf(scene.shpGloob2, state.player2SpeedX, state.player2Jumping, state.player2JumpSpeed);
    seen.player1Score = state.player1Score;
    seen.player2Score = state.player2Score;
    seen.inPlay = scene.shpBall.Visible && !scene.lblGameOver.Visible;
    return seen;
}

} // namespace gloob::bot
