// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match_state.h"
#include "scene/scene.h"

#include <cstdint>

namespace gloob {

// Who serves each rally. Player 1 always, as the game was first written; the
// other two even out the serve's advantage between equal players.
enum class ServeRule : std::uint8_t { player1, loser, alternate };

// The serve's own state, beside the match state: the rule and who serves the
// rally being played. A match always opens with player 1's serve.
struct ServeState {
    ServeRule rule = ServeRule::player1;
    std::int16_t server = 1;
    bool operator==(const ServeState&) const = default;
};

// Who serves after `scorer` won a point.
std::int16_t nextServer(const ServeState& serve, std::int16_t scorer);

// Where the ball rests before a serve: player 1's is its home; player 2's is
// placed so that its serve comes down beside player 2 as player 1's does
// beside player 1.
float serveLeft(const Scene& scene, const MatchState& state, std::int16_t server);

// The serve's sideways step: away from the net, towards the server's wall.
std::int16_t serveStepX(std::int16_t server);

} // namespace gloob
