// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sign_in_backoff.h"

#include <algorithm>

namespace gloob::lobby {

SignInBackoff::SignInBackoff(std::uint32_t seed, Clock::duration first, Clock::duration most)
    : seed_(seed), first_(first), most_(std::max(first, most)) {}

SignInBackoff::Clock::time_point SignInBackoff::failed(Clock::time_point now) {
    Clock::duration wait = first_;
    for (int i = 0; i < tries_ && wait < most_; ++i) {
        wait *= 2;
    }
    wait = std::min(wait, most_);
    ++tries_;
    // A small generator of its own: the stretch needs no quality, only to
    // differ from one player to the next.
    seed_ += 0x9e3779b9u;
    std::uint32_t mixed = seed_;
    mixed = (mixed ^ (mixed >> 16)) * 0x7feb352du;
    mixed = (mixed ^ (mixed >> 15)) * 0x846ca68bu;
    mixed ^= mixed >> 16;
    const auto stretch = wait * static_cast<std::int64_t>(mixed >> 24) / (4 * 256);
    return now + wait + stretch;
}

} // namespace gloob::lobby
