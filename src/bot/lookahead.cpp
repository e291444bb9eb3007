// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lookahead.h"

#include "match/keys.h"
#include "match/steps.h"

namespace gloob::bot {

namespace {

// A jump is also tried for a ball coming down this far beside the body, in
// twips: the corner touches send the ball sideways. More reaches to choose
// from fit the model closer and the real opponent worse.
constexpr float jumpReach = 200;

} // namespace

std::vector<KeyEvent> AimPlan::decideOn(const Sighting& now) {
    const std::int16_t left = side_ == 1 ? keys::left : keys::a;
    const std::int16_t right = side_ == 1 ? keys::right : keys::d;
    const std::int16_t jump = side_ == 1 ? keys::up : keys::w;
    const BodyState& me = now.bodies[static_cast<std::size_t>(side_ - 1)];
    std::vector<KeyEvent> keys;
    const std::int16_t step = stepToward(court_, me.left, place_);
    const std::int16_t wanted = step < 0 ? left : step > 0 ? right : std::int16_t{0};
    direction_.hold(wanted, me.speedX != step, keys);
    const float centre = now.ball.left + court_.ballSize / 2;
    const float above = me.top - (now.ball.top + court_.ballSize);
    if (jumpWithin_ != neverJump && me.jumping == 0 && now.ball.speedY > 0 &&
        court_.onMySide(now.ball.left) && centre >= me.left - jumpReach &&
        centre <= me.left + court_.bodyWidth + jumpReach && above >= 0 && above <= jumpWithin_) {
        keys.push_back({true, jump, 0});
        keys.push_back({false, jump, 0});
    }
    return keys;
}

float scoreOf(bool won, int heartbeat, int horizon) {
    return static_cast<float>(won ? horizon - heartbeat : heartbeat - horizon);
}

bool justServed(const Sighting& last, const Sighting& now) {
    return !last.inPlay || now.player1Score != last.player1Score ||
           now.player2Score != last.player2Score;
}

bool timeToPlan(const Court& court, const Sighting& last, const Sighting& now) {
    const bool struckOverThere =
        !court.onMySide(now.ball.left) && now.ball.speedY < 0 && last.ball.speedY >= 0;
    return now.inPlay && (justServed(last, now) || struckOverThere);
}

void pressOn(Foresight& foresight, int side, const std::vector<KeyEvent>& keys) {
    BodyState body = foresight.body(side);
    for (const KeyEvent& key : keys) {
        const bool leftKey = key.keyCode == keys::left || key.keyCode == keys::a;
        const bool rightKey = key.keyCode == keys::right || key.keyCode == keys::d;
        if (leftKey || rightKey) {
            body.speedX = !key.down ? std::int16_t{0}
                          : leftKey ? static_cast<std::int16_t>(-walkStep)
                                    : walkStep;
        } else if (key.down && body.jumping == 0) {
            body.jumping = -1;
            body.jumpSpeed = steps::jumpStart;
        }
    }
    foresight.placeBody(side, body);
}

} // namespace gloob::bot
