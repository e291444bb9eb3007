// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

// The steps the rules move things by, in twips per tick, named once for the
// rules and for everything that foresees or listens to them.
namespace gloob::steps {

// A walking player, each main tick.
constexpr std::int16_t walk = 150;
// A jump starts upwards at this step; each jump tick pulls it down by
// jumpGravity, so the arc closes by itself after jumpTicks ticks.
constexpr std::int16_t jumpStart = -150;
constexpr std::int16_t jumpGravity = 10;
constexpr int jumpTicks = 2 * -jumpStart / jumpGravity + 1;
// Each ball-arc tick pulls the ball's vertical step down by this much.
constexpr std::int16_t ballGravity = 10;
// Upward steps that start an arc: a player's hit, a jumping player's, the top of the net.
constexpr std::int16_t hit = -80;
constexpr std::int16_t jumpingHit = -130;
constexpr std::int16_t netBounce = -80;
// The serve's sideways and vertical steps, at match start and after a point.
constexpr std::int16_t serveX = 65;
constexpr std::int16_t serveY = 70;

} // namespace gloob::steps
