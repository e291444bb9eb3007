// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match_state.h"
#include "scene/controls.h"
#include "scene/scene.h"

namespace gloob {

// What sent the ball up in the main tick that just ran.
enum class Striker { none, player1, player2, netTop };

// Only a contact of that very tick leaves a running arc's limit at the
// ball's height with the step of a fresh start; the ball then rests on the
// top line of the body that struck it, or else on the net's top.
Striker ballJustStruck(const MatchState& state, const Shape& ball, const Shape& body1,
                       const Shape& body2);
inline Striker ballJustStruck(const Scene& scene, const MatchState& state) {
    return ballJustStruck(state, scene.shpBall, scene.shpGloob1, scene.shpGloob2);
}

} // namespace gloob
