// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "court.h"
#include "foresight.h"
#include "sighting.h"

#include <cstdint>

namespace gloob::bot {

// A shot on its way to the opponent, as the planner foresaw it.
struct Shot {
    std::int64_t contactAt = 0; // the heartbeat of the touch that sent it
    BallState after;            // the ball right after that touch's main tick
    std::int64_t landsAt = 0;   // it comes down to a body's height on the far side
    float landingCentre = 0;
};

// The other side's player, taken for a person: they set off a reaction time
// after the touch, from where they were or from the middle of their half,
// and walk under the ball; where on their body it comes down is as much
// luck as skill. The game's own rules, played on the foresight with the
// other body at each such place, tell how often their touch sends the ball
// back over the net.
class Opponent {
public:
    Opponent(const Scene& court, int side /* the opponent's */);

    // The share of the places under the ball, among those the opponent seen
    // at seen can get to, from which they return the shot: 0 for a winner.
    double returnShare(Foresight& foresight, const Shot& shot, const BodyState& seen,
                       int ballTickParity) const;

    // About 190 ms, as a person reacts to a touch they see.
    static constexpr std::int64_t reaction = 12;
    // How far from the middle of the body a ball may come down on it.
    static constexpr float bodyReach = 600;

private:
    Shot approach(Foresight& foresight, const Shot& shot, int ballTickParity) const;
    bool returnsFrom(Foresight& foresight, const Shot& shot, float left, int ballTickParity) const;

    Court court_;
};

} // namespace gloob::bot
