// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "net_clock.h"

namespace gloob::net {

namespace {
NetClock::time_point (*replacement)() = nullptr;
} // namespace

NetClock::time_point NetClock::now() {
    return replacement != nullptr ? replacement() : std::chrono::steady_clock::now();
}

void NetClock::replace(time_point (*source)()) {
    replacement = source;
}

} // namespace gloob::net
