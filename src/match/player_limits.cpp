// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "int16_arith.h"
#include "match.h"

namespace gloob {

namespace {

void moveBy(Shape& shape, std::int16_t step) {
    if (step != 0) {
        shape.Left = plusStep(shape.Left, step);
    }
}

// Holds a player between two limits, tested on the body alone, the left one
// first. On the left limit both left edges go onto it; on the right one each
// shape is placed by its own width.
void holdBetween(Shape& body, Shape& base, float leftLimit, float rightLimit) {
    if (body.Left <= leftLimit) {
        body.Left = leftLimit;
        base.Left = leftLimit;
    } else if (body.Left + body.Width >= rightLimit) {
        body.Left = rightLimit - body.Width;
        base.Left = rightLimit - base.Width;
    }
}

} // namespace

void Match::playerMovementAndLimits() {
    moveBy(scene_.shpGloob1, state_.player1SpeedX);
    moveBy(scene_.shpBase1, state_.player1BaseSpeedX);
    moveBy(scene_.shpGloob2, state_.player2SpeedX);
    moveBy(scene_.shpBase2, state_.player2BaseSpeedX);

    const Shape& net1 = scene_.shpWallRight;
    holdBetween(scene_.shpGloob1, scene_.shpBase1, net1.Left + net1.Width, scene_.shpRight.Left);
    const Shape& wall2 = scene_.shpLeft;
    holdBetween(scene_.shpGloob2, scene_.shpBase2, wall2.Left + wall2.Width,
                scene_.shpWallLeft.Left);
}

} // namespace gloob
