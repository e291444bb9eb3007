// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"
#include "bot/court.h"
#include "bot/direction_key.h"
#include "bot/landing_memo.h"
#include "bot/sighting.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace gloob::ladder {

// How a reference opponent plays: the returner walks under the ball and
// sends it back without jumping; the jumper does the same and jumps when
// the ball comes down near it.
enum class Reference { returner, jumper };

std::string_view nameOf(Reference reference);

// A reference player acts on what it saw this many heartbeats ago: about
// 190 ms, a person's reaction.
constexpr std::size_t personsReaction = 12;

using bot::LandingMemo;

// A player who only keeps the ball in play, as a person new to the game
// does: it never aims, and it stands under where it sees the ball come down.
// It sees what a player sees, as late as a person reacts.
class ReferencePlayer final : public Autopilot {
public:
    ReferencePlayer(int side, Reference reference, std::size_t reaction = personsReaction);

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override;
    // The same from a sighting alone, on a court of the game's shape: for a
    // player imagined on a copy of the court.
    std::vector<KeyEvent> decideOn(const Scene& shape, const bot::Sighting& sighting);
    // Shares where balls come down with other copies of this player; the
    // memo outlives every copy that uses it.
    void shareLandings(LandingMemo* memo) { landings_ = memo; }

private:
    float landingTarget(const bot::Sighting& seen) const;

    int side_;
    Reference reference_;
    std::size_t reaction_;
    std::int16_t leftKey_, rightKey_, jumpKey_;
    bot::Court court_;
    std::deque<bot::Sighting> memory_;
    float target_ = 0;
    bot::DirectionKey direction_;
    LandingMemo* landings_ = nullptr;
};

} // namespace gloob::ladder
