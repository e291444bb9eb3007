// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "link.h"
#include "net_clock.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::net {

// What both machines agreed on before the match begins.
struct Agreement {
    int localSide = 1; // the host plays player 1, the joining machine player 2
    int inputDelay = minInputDelay;
    std::uint32_t session = 0;
    std::int64_t roundTripMicros = 0; // the longest the host measured
    // The host begins this much later, so that both begin at about the same moment.
    std::int64_t startAfterMicros = 0;
};

// Where a host is: "192.0.2.7:27960", or a name without a port for the default one.
struct HostAddress {
    std::string name;
    std::uint16_t port = defaultPort;
};
std::optional<HostAddress> parseHostAddress(std::string_view text);

// The input delay for a round trip: none while the guesses at the other
// player's keys reach as far as a frame takes to cross one way, with two
// heartbeats to spare; beyond, what they cannot reach, up to 8.
int inputDelayFor(std::int64_t roundTripMicros);

// Introductions over a new link: the joiner says which protocol it speaks,
// the host refuses another one, measures the round trip and starts the match
// with the input delay it chose.
class Handshake {
public:
    enum class State { waiting, agreed, failed };

    // `hostName` names the host in the joiner's messages ("192.0.2.7:27960").
    Handshake(Link& link, bool hosting, std::string hostName = {});

    // The host's choice: a fixed input delay, or none for the one the round
    // trip calls for.
    void setInputDelay(std::optional<int> heartbeats) { fixedDelay_ = heartbeats; }

    // Goes on with what the link brings, waiting at most `waitMillis`.
    State advance(int waitMillis);
    State state() const { return state_; }
    const Agreement& agreement() const { return agreement_; }
    const std::string& failure() const { return failure_; }
    // Messages that came with the last one of the introductions: the match's first.
    std::vector<Message> takeLeftovers() { return std::move(leftovers_); }

private:
    using Clock = NetClock;
    void hostHears(const Message& message);
    void joinerHears(const Message& message);
    void sendPing();
    void fail(std::string why);

    Link& link_;
    bool hosting_;
    std::string hostName_;
    State state_ = State::waiting;
    Agreement agreement_;
    std::string failure_;
    Clock::time_point began_ = Clock::now();
    Clock::time_point connectedAt_{};
    bool wasConnected_ = false;
    bool welcomed_ = false;
    std::uint32_t pingNumber_ = 0;
    Clock::time_point pingSent_{};
    std::vector<std::int64_t> roundTrips_;
    std::vector<Message> leftovers_;
    std::optional<int> fixedDelay_;
};

} // namespace gloob::net
