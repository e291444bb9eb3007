// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "reference_players.h"

#include "match/keys.h"

#include <functional>

namespace gloob::ladder {

namespace {

// The jumper jumps when the ball, coming down over its body, is this close
// above its head: about when a jump meets it rising.
constexpr float jumpWhenWithin = 900;
// It meets the ball this far from the middle of its body, on the net's
// side, so that the ball leaves it toward the net whichever way it came.
constexpr float netward = 400;
// Long enough for the highest ball to come down.
constexpr int horizon = 400;

} // namespace

std::size_t BallStateHash::operator()(const bot::BallState& ball) const {
    const auto bits = [](float f) { return std::hash<float>{}(f); };
    std::size_t h = bits(ball.left) * 31 + bits(ball.top);
    for (const std::int16_t v : {ball.speedX, ball.speedY, ball.arcRunning, ball.arcLimit}) {
        h = h * 31 + static_cast<std::uint16_t>(v);
    }
    return h;
}

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
        walls_ = {shape.shpLeft.Left + shape.shpLeft.Width, shape.shpRight.Left};
        ceiling_ = shape.shpTop.Top + shape.shpTop.Height;
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
        if (held_ != 0) {
            keys.push_back({false, held_, 0});
            held_ = 0;
        }
        return keys;
    }
    if (landings_ == nullptr) {
        target_ = landingTarget(seen);
    } else if (const auto judged = landings_->find(seen.ball); judged != landings_->end()) {
        target_ = judged->second;
    } else {
        target_ = landingTarget(seen);
        landings_->emplace(seen.ball, target_);
    }

    const bot::Court& court = court_;
    const bot::BodyState& me = current.bodies[static_cast<std::size_t>(side_ - 1)];
    const std::int16_t step = bot::stepToward(court, me.left, target_);
    const std::int16_t wanted = step < 0 ? leftKey_ : step > 0 ? rightKey_ : std::int16_t{0};
    if (wanted != held_ || (wanted != 0 && me.speedX != step)) {
        press(wanted, keys);
    }

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
    const bot::Court& court = court_;
    const float towardNet = court.side == 1 ? -netward : netward;
    float sum = 0;
    int found = 0;
    for (int phase : {0, 1}) {
        bot::BallState ball = seen.ball;
        for (int heartbeat = 0; heartbeat < horizon; ++heartbeat) {
            ball.top += static_cast<float>(ball.speedY);
            ball.left += static_cast<float>(ball.speedX);
            if (ball.left <= walls_.first || ball.left + court.ballSize >= walls_.second) {
                ball.left =
                    ball.left <= walls_.first ? walls_.first : walls_.second - court.ballSize;
                ball.speedX = static_cast<std::int16_t>(-ball.speedX);
            }
            if (ball.top <= ceiling_) {
                ball.top = ceiling_;
                ball.speedY = static_cast<std::int16_t>(-ball.speedY);
            }
            if (ball.speedY > 0 && ball.top + court.ballSize >= court.groundTop) {
                if (court.onMySide(ball.left)) {
                    sum += ball.left + court.ballSize / 2 - court.bodyWidth / 2 - towardNet;
                    ++found;
                }
                break;
            }
            if (ball.arcRunning != 0 && (heartbeat & 1) == phase) {
                ball.top += static_cast<float>(ball.speedY);
                ball.speedY = static_cast<std::int16_t>(ball.speedY + 10);
                if (ball.top >= static_cast<float>(ball.arcLimit)) {
                    ball.arcRunning = 0;
                }
            }
        }
    }
    return found > 0 ? sum / static_cast<float>(found) : (court.minLeft + court.maxLeft) / 2;
}

void ReferencePlayer::press(std::int16_t key, std::vector<KeyEvent>& keys) {
    if (held_ != 0 && held_ != key) {
        keys.push_back({false, held_, 0});
    }
    held_ = key;
    if (key != 0) {
        keys.push_back({true, key, 0});
    }
}

} // namespace gloob::ladder
