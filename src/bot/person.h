// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"
#include "court.h"
#include "direction_key.h"
#include "landing_memo.h"
#include "sighting.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gloob::bot {

// The computer players' idea of a person who only keeps the ball in play,
// as someone new to the game does: they see the ball a person's reaction
// late, walk under where they judge it to come down from its flight alone
// (the arc timer's phase shows to nobody, and a bounce off the net takes
// them by surprise), and meet it on the net's side of their body, so that
// it leaves them toward the net. They never jump. A lookahead plays its
// lines out against copies of one.
class Person {
public:
    // About 190 ms, as a person reacts.
    static constexpr std::size_t reaction = 12;

    explicit Person(const Court& court /* of the person's own side */);

    // Their keys at a heartbeat, from what was seen then.
    std::vector<KeyEvent> decideOn(const Sighting& sighting);
    // Shares where balls come down with other copies; the memo outlives them.
    void shareLandings(LandingMemo* memo) { landings_ = memo; }

private:
    struct Seen {
        BallState ball;
        bool inPlay = false;
    };
    float targetFor(const BallState& ball);

    Court court_;
    std::int16_t leftKey_, rightKey_;
    // What they saw at the last heartbeats, as a ring: they act on the oldest.
    std::array<Seen, reaction + 1> seen_{};
    std::size_t watched_ = 0;
    DirectionKey direction_;
    LandingMemo* landings_ = nullptr;
};

} // namespace gloob::bot
