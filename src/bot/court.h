// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match/steps.h"
#include "scene/scene.h"

#include <array>
#include <cstdint>

namespace gloob::bot {

// The fixed measures of one side of the court, read from the scene once.
struct Court {
    int side = 1;
    float minLeft = 0; // the body's Left against its left-hand limit
    float maxLeft = 0; // the body's Left against its right-hand limit
    float bodyWidth = 0;
    float groundTop = 0; // body's Top standing on the floor
    float baseDrop = 0;  // how far the base's Top lies below the body's
    float ballSize = 0;
    float netMiddle = 0; // the column between the two halves
    // The inner sides of the outer walls, and the ceiling's underside.
    float leftWall = 0;
    float rightWall = 0;
    float ceiling = 0;

    static Court of(const Scene& scene, int side);

    bool onMySide(float ballLeft) const;
    float centreOf(float bodyLeft) const { return bodyLeft + bodyWidth / 2; }
    // A body's Left after one main tick's move with the given step, held
    // between the limits as the game holds it.
    float walk(float left, std::int16_t step) const;
};

// The body's height above the floor after each jump tick of a jump; a jump
// lasts jumpTicks ticks and then the player stands again.
constexpr int jumpTicks = steps::jumpTicks;
using JumpArc = std::array<float, jumpTicks + 1>;

// Walking speed in twips per main tick.
constexpr std::int16_t walkStep = steps::walk;

// The step a player who walks to a target takes now: on until it is within
// half a step, and on into a limit when the target lies at or beyond it.
std::int16_t stepToward(const Court& court, float left, float target);

} // namespace gloob::bot
