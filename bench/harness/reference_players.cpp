// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "reference_players.h"

#include "bot/flight.h"
#include "match/keys.h"

namespace gloob::ladder {

namespace {

// The jumper jumps when the ball, coming down over its body, is this close
// above its head: about when a jump meets it rising.
constexpr float jumpWhenWithin = 900;
// It meets the ball this far from the middle of its body, on the net's
// side, so that the ball leaves it toward the net whichever way it came.
constexpr float netward = 400;

} // namespace

std::string_view nameOf(Reference reference) {
    return reference == Reference::returner ? "returner" : "jumper";
}

ReferencePlayer::ReferencePlayer(int side, Reference reference, std::size_t reaction)
    : side_(side == 2 ? 2 : 1), reference_(reference), reaction_(reaction),
      leftKey_(side_ == 1 ? keys::left : keys::a), rightKey_(side_ == 1 ? keys::right : keys::d),
      jumpKey_(side_ == 1 ? keys::up : keys::w) {}

std::vector<KeyEvent> ReferencePlayer::decide(const Scene& scene, const MatchState& state) {
    return decideOn(scene, bot::Sighting::of(scene, state));
}

std::vector<KeyEvent> ReferencePlayer::decideOn(const Scene& shape, const bot::Sighting& sighting) {
    std::vector<KeyEvent> keys;
    if (court_.bodyWidth == 0) {
        court_ = bot::Court::of(shape, side_);
    }
    memory_.push_back(sighting);
    if (memory_.size() > reaction_ + 1) {
        memory_.pop_front();
    }
    const bot::Sighting& current = memory_.back();
    const bot::Sighting& seen = memory_.front();
    // Until it has watched for as long as it takes to react, it has seen nothing.
    const bool reacted = memory_.size() == reaction_ + 1;
    if (!reacted || !current.inPlay || !seen.inPlay) {
        direction_.letGo(keys);
        return keys;
    }
    target_ = bot::judgedOnce(landings_, seen.ball, [&] { return landingTarget(seen); });

    const bot::Court& court = court_;
    const bot::BodyState& me = current.bodies[static_cast<std::size_t>(side_ - 1)];
    const std::int16_t step = bot::stepToward(court, me.left, target_);
    const std::int16_t wanted = step < 0 ? leftKey_ : step > 0 ? rightKey_ : std::int16_t{0};
    direction_.hold(wanted, me.speedX != step, keys);

    const bot::BallState& ball = seen.ball;
    const float ballCentre = ball.left + court.ballSize / 2;
    const float above = me.top - (ball.top + court.ballSize);
    if (reference_ == Reference::jumper && me.jumping == 0 && ball.speedY > 0 &&
        court.onMySide(ball.left) && ballCentre >= me.left &&
        ballCentre <= me.left + court.bodyWidth && above >= 0 && above <= jumpWhenWithin) {
        keys.push_back({true, jumpKey_, 0});
        keys.push_back({false, jumpKey_, 0});
    }
    return keys;
}

// Where the ball comes down to its head on its own side, as a person
// judges it: it flies in its arc and bounces off the walls and the ceiling,
// but the net is a surprise. The ball-arc timer's phase shows to nobody, so
// it takes the middle of the landings of both phases. The middle of its half
// when the ball comes down elsewhere.
float ReferencePlayer::landingTarget(const bot::Sighting& seen) const {
    return bot::placeToMeet(court_, seen.ball, netward);
}

} // namespace gloob::ladder
