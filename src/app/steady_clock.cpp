// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "clock.h"

#include <chrono>
#include <thread>

namespace gloob {

namespace {
std::int64_t steadyMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

SteadyClock::SteadyClock() : originMicros_(steadyMicros()) {}

std::int64_t SteadyClock::nowMicros() const {
    return steadyMicros() - originMicros_;
}

std::uint32_t SteadyClock::timeGetTime() const {
    return static_cast<std::uint32_t>(steadyMicros() / 1000);
}

void SteadyClock::Sleep(std::int32_t milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

} // namespace gloob
