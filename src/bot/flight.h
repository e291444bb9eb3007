// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "court.h"
#include "sighting.h"

#include <optional>

namespace gloob::bot {

// Long enough for the highest ball to come down.
constexpr int freeFlightHorizon = 400;

// Where a ball comes down to a standing body's head, as someone who follows
// its flight with their eyes judges it: it flies in its arc and bounces off
// the outer walls and the ceiling, and nothing else is in its way. The
// ball-arc timer fires in the heartbeats of the given parity. The ball's
// centre there, if it comes down on the court's side within the horizon.
std::optional<float> freeLandingCentre(const Court& court, BallState ball, int timerParity);

// Where a body stands to meet a ball so judged this far on the net's side of
// its middle: the arc timer's phase shows to nobody, so the middle of where
// the ball comes down under either. The middle of the half when it comes
// down elsewhere.
float placeToMeet(const Court& court, const BallState& ball, float towardNet);

} // namespace gloob::bot
