// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"
#include "steps.h"

#include <array>

namespace gloob {

namespace {

enum class ProbePoint { lowerCentre, lowerLeft, lowerRight };

struct PlayerProbe {
    ProbePoint point;
    Colour bodyColour;
    Shape Scene::*body;
    std::int16_t MatchState::*jumping;
};

// Both lower-centre probes first, then player 1's corners, then player 2's.
constexpr std::array<PlayerProbe, 6> playerProbes{{
    {ProbePoint::lowerCentre, colours::blue, &Scene::shpGloob1, &MatchState::player1Jumping},
    {ProbePoint::lowerCentre, colours::green, &Scene::shpGloob2, &MatchState::player2Jumping},
    {ProbePoint::lowerLeft, colours::blue, &Scene::shpGloob1, &MatchState::player1Jumping},
    {ProbePoint::lowerRight, colours::blue, &Scene::shpGloob1, &MatchState::player1Jumping},
    {ProbePoint::lowerLeft, colours::green, &Scene::shpGloob2, &MatchState::player2Jumping},
    {ProbePoint::lowerRight, colours::green, &Scene::shpGloob2, &MatchState::player2Jumping},
}};

// A corner contact sends the ball away from the body.
constexpr std::int16_t cornerStep = 65;

float probeX(const Shape& ball, ProbePoint point) {
    switch (point) {
    case ProbePoint::lowerCentre:
        return ball.Left + ball.Width / 2.0f;
    case ProbePoint::lowerLeft:
        return ball.Left;
    case ProbePoint::lowerRight:
        break;
    }
    return ball.Left + ball.Width;
}

} // namespace

// Contact is read from the drawn window: only the visible upper half-disc of
// a body can be touched, and each probe sees the ball where the last one left it.
void Match::ballAndPlayerContact() {
    Shape& ball = scene_.shpBall;
    for (const PlayerProbe& probe : playerProbes) {
        const float x = probeX(ball, probe.point);
        const float y = ball.Top + ball.Height;
        if (window_.Point(x, y) != probe.bodyColour) {
            continue;
        }
        const Shape& body = scene_.*probe.body;
        const bool overlaps =
            ball.Left + ball.Width >= body.Left && body.Left + body.Width >= ball.Left;
        if (!overlaps) {
            continue;
        }
        ball.Top = body.Top - ball.Height;
        startBallArc(state_.*probe.jumping != 0 ? steps::jumpingHit : steps::hit);
        if (probe.point == ProbePoint::lowerLeft) {
            state_.ballSpeedX = cornerStep;
        } else if (probe.point == ProbePoint::lowerRight) {
            state_.ballSpeedX = -cornerStep;
        }
    }
}

} // namespace gloob
