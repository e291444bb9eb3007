// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "sighting.h"

#include <cstdint>

namespace gloob::bot {

// In which heartbeats the ball-arc timer fires, as a player reads it off the
// ball's steps: between two sightings a ball in its arc gains 10 on its step
// exactly when the timer fired. It fires every other heartbeat or so (30 ms
// against 15.625), so the last heartbeat read tells the ones to come.
class BallTimerReading {
public:
    // Two sightings of consecutive heartbeats; the later one was taken at
    // the heartbeat given, after the timers of the one before.
    void read(const Sighting& before, const Sighting& after, std::int64_t heartbeat);
    bool firesIn(std::int64_t heartbeat) const { return (heartbeat & 1) == parity_; }
    int parity() const { return parity_; }

private:
    int parity_ = 0;
};

} // namespace gloob::bot
