// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "opponent.h"

#include <algorithm>

namespace gloob::bot {

namespace {
// How long a return is followed after the shot comes down: long enough for
// a touch or two and the flight back over the net.
constexpr std::int64_t afterLanding = 40;
// A probe point lies on the pixel row below the ball.
constexpr float pixelSlack = 15;
} // namespace

Opponent::Opponent(const Scene& court, int side) : court_(Court::of(court, side)) {}

double Opponent::returnShare(Foresight& foresight, const Shot& shot, const BodyState& seen,
                             int ballTickParity) const {
    const double time =
        static_cast<double>(std::max<std::int64_t>(shot.landsAt - shot.contactAt - reaction, 0));
    const float walk = static_cast<float>(walkStep * time);
    const float middle = (court_.minLeft + court_.maxLeft) / 2;
    const float lowest = std::max(std::min(seen.left, middle) - walk, court_.minLeft);
    const float highest = std::min(std::max(seen.left, middle) + walk, court_.maxLeft);
    const float under = shot.landingCentre - court_.bodyWidth / 2;
    const Shot near = approach(foresight, shot, ballTickParity);
    int places = 0;
    int returned = 0;
    // Every second step is enough to tell, and keeps a decision cheap.
    for (float left = under - bodyReach; left <= under + bodyReach; left += 2 * walkStep) {
        // Against a wall or the net the body stops at its limit.
        const float place = std::clamp(left, court_.minLeft, court_.maxLeft);
        if (place < lowest || place > highest) {
            continue;
        }
        ++places;
        returned += returnsFrom(foresight, near, place, ballTickParity) ? 1 : 0;
    }
    return places > 0 ? static_cast<double>(returned) / places : 0.0;
}

// The shot up to the main tick before it could first touch a standing body:
// the same wherever the opponent stands, so played once.
Shot Opponent::approach(Foresight& foresight, const Shot& shot, int ballTickParity) const {
    foresight.rewind(shot.after);
    foresight.hideBody(1);
    foresight.hideBody(2);
    foresight.otherTimers((shot.contactAt & 1) == ballTickParity);
    Shot near = shot;
    for (std::int64_t heartbeat = shot.contactAt + 1; heartbeat < shot.landsAt; ++heartbeat) {
        foresight.mainTick();
        if (foresight.scorer() != 0 ||
            foresight.ball().top + court_.ballSize >= court_.groundTop - pixelSlack) {
            break;
        }
        // Played on from here as from the touch itself.
        near.contactAt = heartbeat;
        near.after = foresight.ball();
        foresight.otherTimers((heartbeat & 1) == ballTickParity);
    }
    return near;
}

// The opponent stands at left from the shot on and plays whatever comes
// down on them; the ball's first crossing back over the net is a return.
bool Opponent::returnsFrom(Foresight& foresight, const Shot& shot, float left,
                           int ballTickParity) const {
    const int side = court_.side;
    foresight.rewind(shot.after);
    foresight.hideBody(3 - side);
    foresight.placeBody(side, {left, court_.groundTop, 0, 0, 0});
    std::int64_t touchedAt = -1;
    bool returned = true; // a ball still in play at the end counts as returned
    foresight.otherTimers((shot.contactAt & 1) == ballTickParity);
    for (std::int64_t heartbeat = shot.contactAt + 1; heartbeat < shot.landsAt + afterLanding;
         ++heartbeat) {
        // After a touch of their own they see where the ball goes and follow
        // it, as the game's own computer players do, to play it again.
        if (touchedAt >= 0 && heartbeat >= touchedAt + reaction) {
            const BodyState body = foresight.body(side);
            const float under = foresight.ball().left + court_.ballSize / 2 - court_.bodyWidth / 2;
            foresight.placeBody(side,
                                {body.left, body.top, stepToward(court_, body.left, under), 0, 0});
        }
        foresight.mainTick();
        if (const int scorer = foresight.scorer(); scorer != 0) {
            returned = scorer == side;
            break;
        }
        if (touchedAt < 0 && foresight.ballRestsOn(side)) {
            touchedAt = heartbeat;
        }
        if (touchedAt >= 0 && !court_.onMySide(foresight.ball().left)) {
            break;
        }
        foresight.otherTimers((heartbeat & 1) == ballTickParity);
    }
    foresight.hideBody(side);
    return returned;
}

} // namespace gloob::bot
