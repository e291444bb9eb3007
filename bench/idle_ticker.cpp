// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Wakes 64 times a second and does nothing else, for the seconds given: what
// the game's heartbeat costs on this machine before the game does any work.
// On a virtual machine a wake from idle costs far more than on bare metal,
// and bench/measure_window.sh prints this beside the game's own CPU.
#include "app/heartbeat.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5;
    const int timer = timerfd_create(CLOCK_MONOTONIC, TFD_CLOEXEC);
    if (timer < 0 || seconds <= 0) {
        std::fprintf(stderr, "usage: idle_ticker SECONDS\n");
        return 1;
    }
    constexpr long nanos = gloob::heartbeatMicros * 1000;
    const itimerspec every{{0, nanos}, {0, nanos}};
    timerfd_settime(timer, 0, &every, nullptr);
    for (long beat = 0; beat < seconds * 1'000'000 / gloob::heartbeatMicros; ++beat) {
        std::uint64_t expirations = 0;
        if (read(timer, &expirations, sizeof expirations) != sizeof expirations) {
            return 1;
        }
    }
    return 0;
}
