// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "match.h"

namespace gloob {

Match::Match(Scene& scene, MatchState& state, ServeState& serve, WindowServices& window)
    : scene_(scene), state_(state), serve_(serve), window_(window) {}

void Match::tmrMain_Timer() {
    // Every section runs once per tick, in this order, with no early return.
    ballFlightAndRebounds();
    playerMovementAndLimits();
    ballAndPlayerContact();
    ballAndNetContact();
    floorTestPointForPlayer2();
    floorTestPointForPlayer1();
}

} // namespace gloob
