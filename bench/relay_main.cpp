// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A lagging relay on loopback between a host and the one machine that joins
// through it, for measuring two real windows at a round trip of one's choice.
//
//   gloob_relay HOST_PORT DELAY_MS [SECONDS]
//
// DELAY_MS is each way's; prints the port to join on, then relays for
// SECONDS (120 unless given).
#include "relay.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gloob_relay HOST_PORT DELAY_MS [SECONDS]\n");
        return 2;
    }
    const int hostPort = std::atoi(argv[1]);
    const int delay = std::atoi(argv[2]);
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 120;
    if (hostPort <= 0 || hostPort > 65535 || delay < 0 || seconds <= 0) {
        std::fprintf(stderr, "gloob_relay: bad port, delay or duration\n");
        return 2;
    }
    gloob::net::testing::Impairment lag;
    lag.delay = std::chrono::milliseconds(delay);
    gloob::net::testing::Relay relay(static_cast<std::uint16_t>(hostPort), lag, 7);
    std::printf("%u\n", static_cast<unsigned>(relay.port()));
    std::fflush(stdout);
    relay.run(std::chrono::seconds(seconds));
    return 0;
}
