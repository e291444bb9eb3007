// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

namespace gloob::net::testing {

// What the relay does to the datagrams between the two machines.
struct Impairment {
    std::chrono::milliseconds delay{0}; // each way
    std::chrono::milliseconds jitter{0};
    double loss = 0;
    double duplicate = 0;
    // Also replays old datagrams, sends cut copies and garbage from both
    // ends' addresses and from a stranger, and has a third machine try to join.
    bool hostile = false;
};

struct RelayStats {
    std::uint64_t forwarded = 0;
    std::uint64_t lost = 0;
    std::uint64_t invented = 0; // garbage, cut copies and replays
    std::string thirdJoiner;    // what the third machine was told
};

// A UDP relay on loopback between a joiner (which sends to `port()`) and the
// host at 127.0.0.1:hostPort.
class Relay {
public:
    Relay(std::uint16_t hostPort, const Impairment& impairment, std::uint32_t seed);
    ~Relay();
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    std::uint16_t port() const { return port_; }
    // Relays until `stop`, or at most `limit`.
    void run(std::chrono::seconds limit = std::chrono::minutes(2));
    void stop() { stop_ = true; }
    const RelayStats& stats() const { return stats_; }

private:
    std::uint16_t hostPort_;
    Impairment impairment_;
    std::uint32_t seed_;
    int front_ = -1;    // the joiner's side
    int back_ = -1;     // towards the host
    int stranger_ = -1; // a third address
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    RelayStats stats_;
};

} // namespace gloob::net::testing
