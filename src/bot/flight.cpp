// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "flight.h"

namespace gloob::bot {

std::optional<float> freeLandingCentre(const Court& court, BallState ball, int timerParity) {
    for (int heartbeat = 0; heartbeat < freeFlightHorizon; ++heartbeat) {
        ball.top += static_cast<float>(ball.speedY);
        ball.left += static_cast<float>(ball.speedX);
        if (ball.left <= court.leftWall || ball.left + court.ballSize >= court.rightWall) {
            ball.left =
                ball.left <= court.leftWall ? court.leftWall : court.rightWall - court.ballSize;
            ball.speedX = static_cast<std::int16_t>(-ball.speedX);
        }
        if (ball.top <= court.ceiling) {
            ball.top = court.ceiling;
            ball.speedY = static_cast<std::int16_t>(-ball.speedY);
        }
        if (ball.speedY > 0 && ball.top + court.ballSize >= court.groundTop) {
            if (court.onMySide(ball.left)) {
                return ball.left + court.ballSize / 2;
            }
            return std::nullopt;
        }
        if (ball.arcRunning != 0 && (heartbeat & 1) == timerParity) {
            ball.top += static_cast<float>(ball.speedY);
            ball.speedY = static_cast<std::int16_t>(ball.speedY + 10);
            if (ball.top >= static_cast<float>(ball.arcLimit)) {
                ball.arcRunning = 0;
            }
        }
    }
    return std::nullopt;
}

float placeToMeet(const Court& court, const BallState& ball, float towardNet) {
    const float netward = court.side == 1 ? -towardNet : towardNet;
    float sum = 0;
    int found = 0;
    for (int phase : {0, 1}) {
        if (const auto centre = freeLandingCentre(court, ball, phase)) {
            sum += *centre - court.bodyWidth / 2 - netward;
            ++found;
        }
    }
    return found > 0 ? sum / static_cast<float>(found) : (court.minLeft + court.maxLeft) / 2;
}

} // namespace gloob::bot
