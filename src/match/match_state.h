// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob {

// Booleans of the match state: -1 true, 0 false; tests are for non-zero.
constexpr std::int16_t True16 = -1;
constexpr std::int16_t False16 = 0;

// The window's variables: steps, animations, home positions, scores. Where a
// thing is lives in its shape, never here. All zero when the window is made.
struct MatchState {
    std::int16_t ballSpeedX = 0;
    std::int16_t ballSpeedY = 0;
    std::int16_t player1SpeedX = 0;
    std::int16_t player1BaseSpeedX = 0;
    std::int16_t player2SpeedX = 0;
    std::int16_t player2BaseSpeedX = 0;
    std::int16_t player1HomeLeft = 0;
    std::int16_t player1BaseHomeLeft = 0;
    std::int16_t player2HomeLeft = 0;
    std::int16_t player2BaseHomeLeft = 0;
    std::int16_t ballHomeLeft = 0;
    std::int16_t ballHomeTop = 0;
    std::int16_t serveSpeedY = 0;
    std::int16_t player1JumpSpeed = 0;
    std::int16_t player1Jumping = 0;
    std::int16_t player1HomeTop = 0;
    std::int16_t player2JumpSpeed = 0;
    std::int16_t player2Jumping = 0;
    std::int16_t player2HomeTop = 0;
    std::int16_t ballArcRunning = 0;
    std::int16_t ballArcLimit = 0;
    std::int16_t player1Score = 0;
    std::int16_t player2Score = 0;
    std::int16_t ballsPerGame = 0;

    bool operator==(const MatchState&) const = default;
};

} // namespace gloob
