// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "candidates.h"
#include "probe.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace gloob::net {
class Link;
}

namespace gloob::traversal {

// Which of the other machine's candidates its probes reach, found from the
// match's own socket: probes go to all of them at once, which also opens
// this machine's router towards each, and the other machine's probes are
// answered. A request from an address the other machine did not name (its
// router picked a new port towards this one) is probed back as well.
class ConnectivityChecks {
public:
    struct Found {
        Candidate candidate;
        std::chrono::milliseconds took{};
    };

    ConnectivityChecks(net::Link& link, const Secret& secret, std::vector<Candidate> theirs);
    ~ConnectivityChecks();
    ConnectivityChecks(const ConnectivityChecks&) = delete;
    ConnectivityChecks& operator=(const ConnectivityChecks&) = delete;

    // Probes until the best candidate answers, or a little after any other
    // did, or until `limit`: the best that answered, or nothing (also when
    // the other machine connected over ENet before any answered).
    // `alongside` runs between two looks at the socket (the lobby's own
    // traffic: the other machine may still be waiting for this one's answer).
    std::optional<Found> run(std::chrono::milliseconds limit,
                             const std::function<void()>& alongside = {});

    // The same a step at a time, for a caller that services the link itself
    // and must not wait (a window's timer): sends the probes that are due
    // and says what answered so far. Over once found, or once the other
    // machine connected first; the caller keeps the time limit.
    enum class State { trying, found, gaveWay };
    State step();
    const std::optional<Found>& found() const { return found_; }

private:
    struct Tried {
        Candidate candidate;
        std::uint64_t nonce = 0;
        bool answered = false;
    };
    bool hear(std::span<const std::uint8_t> datagram, const Endpoint& from);
    void probe(const Tried& tried);
    void probeWhenDue();
    State settle();

    net::Link& link_;
    Secret secret_;
    std::vector<Tried> tried_;
    std::size_t learnt_ = 0;
    std::mt19937_64 nonces_;
    std::optional<std::chrono::steady_clock::time_point> start_;
    std::chrono::steady_clock::time_point probeAt_;
    std::optional<std::chrono::steady_clock::time_point> firstAnswer_;
    std::optional<Found> found_;
};

// Answers the other machine's probes on the link, for as long as it lives:
// its checks may still run after this machine's are over.
void answerProbes(net::Link& link, const Secret& secret);

} // namespace gloob::traversal
