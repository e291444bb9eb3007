// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <chrono>

namespace gloob::net {

// The time the introductions and the session go by: the steady clock, unless
// a test or a fuzzer has put a virtual one in its place, so that seconds of
// a peer's silence pass at once and every run goes the same way.
struct NetClock {
    using duration = std::chrono::steady_clock::duration;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::steady_clock::time_point;
    static constexpr bool is_steady = true;

    static time_point now();
    // Reads `source` from now on; nullptr brings the steady clock back.
    static void replace(time_point (*source)());
};

} // namespace gloob::net
