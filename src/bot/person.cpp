// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "person.h"

#include "flight.h"
#include "match/keys.h"

namespace gloob::bot {

namespace {

// A ball that comes down this far from the middle of a body (1,455 twips
// wide) leaves it toward the net at a slope that clears the net from most
// of the half.
constexpr float meetingOffset = 400;

} // namespace

Person::Person(const Court& court)
    : court_(court), leftKey_(court.side == 1 ? keys::left : keys::a),
      rightKey_(court.side == 1 ? keys::right : keys::d) {}

std::vector<KeyEvent> Person::decideOn(const Sighting& sighting) {
    std::vector<KeyEvent> keys;
    seen_[watched_ % seen_.size()] = {sighting.ball, sighting.inPlay};
    ++watched_;
    // The oldest in the ring: what they saw a reaction ago.
    const Seen& seen = seen_[watched_ % seen_.size()];
    const bool reacted = watched_ >= seen_.size();
    const BodyState& me = sighting.bodies[static_cast<std::size_t>(court_.side - 1)];
    std::int16_t step = 0;
    if (reacted && sighting.inPlay && seen.inPlay) {
        step = stepToward(court_, me.left, targetFor(seen.ball));
    }
    const std::int16_t wanted = step < 0 ? leftKey_ : step > 0 ? rightKey_ : std::int16_t{0};
    direction_.hold(wanted, me.speedX != step, keys);
    return keys;
}

float Person::targetFor(const BallState& ball) {
    return judgedOnce(landings_, ball, [&] { return placeToMeet(court_, ball, meetingOffset); });
}

} // namespace gloob::bot
