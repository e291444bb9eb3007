// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <chrono>
#include <cstdint>

namespace gloob::lobby {

// When to sign in again after the lobby went away: soon at first, then
// twice as long after each try that failed, up to a bound; from the start
// again once a try got into the room. Each wait is stretched by up to a
// quarter, so that the players of a lobby that restarts do not all knock at
// the same moment.
class SignInBackoff {
public:
    using Clock = std::chrono::steady_clock;

    explicit SignInBackoff(std::uint32_t seed, Clock::duration first = std::chrono::seconds(1),
                           Clock::duration most = std::chrono::seconds(60));

    // The lobby went away, or a try failed, at `now`: when to try next.
    Clock::time_point failed(Clock::time_point now);
    // A try got into the room.
    void succeeded() { tries_ = 0; }
    // Tries that failed in a row.
    int tries() const { return tries_; }

private:
    std::uint32_t seed_;
    Clock::duration first_;
    Clock::duration most_;
    int tries_ = 0;
};

} // namespace gloob::lobby
