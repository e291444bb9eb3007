// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "court.h"

namespace gloob::bot {

Court Court::of(const Scene& scene, int side) {
    Court court;
    court.side = side;
    const Shape& body = side == 1 ? scene.shpGloob1 : scene.shpGloob2;
    const Shape& base = side == 1 ? scene.shpBase1 : scene.shpBase2;
    court.bodyWidth = body.Width;
    court.groundTop = body.Top;
    court.baseDrop = base.Top - body.Top;
    court.ballSize = scene.shpBall.Height;
    if (side == 1) {
        court.minLeft = scene.shpWallRight.Left + scene.shpWallRight.Width;
        court.maxLeft = scene.shpRight.Left - body.Width;
    } else {
        court.minLeft = scene.shpLeft.Left + scene.shpLeft.Width;
        court.maxLeft = scene.shpWallLeft.Left - body.Width;
    }
    court.netMiddle =
        (scene.shpWallLeft.Left + scene.shpWallRight.Left + scene.shpWallRight.Width) / 2;
    court.leftWall = scene.shpLeft.Left + scene.shpLeft.Width;
    court.rightWall = scene.shpRight.Left;
    court.ceiling = scene.shpTop.Top + scene.shpTop.Height;
    return court;
}

bool Court::onMySide(float ballLeft) const {
    const float centre = ballLeft + ballSize / 2;
    return side == 1 ? centre >= netMiddle : centre < netMiddle;
}

float Court::walk(float left, std::int16_t step) const {
    if (step != 0) {
        left += static_cast<float>(step);
    }
    if (left <= minLeft) {
        return minLeft;
    }
    return left >= maxLeft ? maxLeft : left;
}

std::int16_t stepToward(const Court& court, float left, float target) {
    const float gap = target - left;
    if (gap >= walkStep / 2 || (target >= court.maxLeft && left < court.maxLeft)) {
        return walkStep;
    }
    if (gap <= -walkStep / 2 || (target <= court.minLeft && left > court.minLeft)) {
        return -walkStep;
    }
    return 0;
}

} // namespace gloob::bot
