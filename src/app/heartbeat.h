// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob {

// Every timer runs on one 64 Hz heartbeat, the rate the game's speeds were
// tuned for: heartbeat n falls at n x 15625 microseconds.
constexpr std::int64_t heartbeatMicros = 15625;

constexpr std::int64_t heartbeatAtOrBefore(std::int64_t micros) {
    return micros / heartbeatMicros * heartbeatMicros;
}

constexpr std::int64_t heartbeatAfter(std::int64_t micros) {
    return heartbeatAtOrBefore(micros) + heartbeatMicros;
}

} // namespace gloob
