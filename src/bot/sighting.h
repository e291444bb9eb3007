// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match/match_state.h"
#include "scene/scene.h"

#include <array>
#include <cstdint>

namespace gloob::bot {

// The ball's part of what a player sees, and all that the flight rules need
// to carry it on: where it is and how it moves.
struct BallState {
    float left = 0;
    float top = 0;
    std::int16_t speedX = 0;
    std::int16_t speedY = 0;
    std::int16_t arcRunning = 0;
    std::int16_t arcLimit = 0;

    bool operator==(const BallState&) const = default;
};

// One player's body as seen on the court.
struct BodyState {
    float left = 0;
    float top = 0;
    std::int16_t speedX = 0;
    std::int16_t jumping = 0;
    std::int16_t jumpSpeed = 0;
};

// What a computer player saw at one heartbeat: the court's moving shapes and
// the steps of the ball and the players. Index 0 of the bodies is player 1.
struct Sighting {
    BallState ball;
    std::array<BodyState, 2> bodies;
    std::int16_t player1Score = 0;
    std::int16_t player2Score = 0;
    // The ball is on the court and no "GAME OVER" is shown.
    bool inPlay = false;

    static Sighting of(const Scene& scene, const MatchState& state);
};

} // namespace gloob::bot
