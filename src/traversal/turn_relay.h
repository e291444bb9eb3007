// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "turn_message.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace gloob::traversal {

// An address on a TURN relay (RFC 8656) that the other player sends to when
// no direct way between the two machines opens. The relay is asked from a
// socket of this object's own, and a second one on loopback stands in for
// the other player: the match's socket sends to it as to any machine, and
// hears the other player's datagrams from it. Stepped by its caller; nothing
// here waits.
class TurnRelay {
public:
    using Clock = std::chrono::steady_clock;

    // Both sockets, or nothing when the system refuses them (`error` says why).
    static std::unique_ptr<TurnRelay> open(const Endpoint& server, TurnCredentials credentials,
                                           std::string& error);
    ~TurnRelay();
    TurnRelay(const TurnRelay&) = delete;
    TurnRelay& operator=(const TurnRelay&) = delete;

    enum class State { allocating, ready, failed };
    // Reads what arrived on both sockets, passes datagrams on, and sends the
    // requests that are due (first, again, or to keep the address alive).
    State step(Clock::time_point now);
    State state() const { return state_; }
    // Waits at most `millis` for a datagram on either socket: for a caller
    // that gives the relay a thread of its own, where the match's loop may
    // itself wait on the other player.
    void waitForDatagrams(int millis) const;
    // The address the relay lends, once ready.
    std::optional<Endpoint> relayed() const { return relayed_; }
    // Why the relay cannot be used, for the player.
    const std::string& failure() const { return failure_; }

    // Carries the match between the socket at 127.0.0.1:`linkPort` and the
    // other player, who may send from any of `addresses` (its router may
    // pick any port towards the relay): the first of them heard from, or
    // `peer` when known, is the other player, and is bound a channel.
    void relayFor(const std::vector<std::uint32_t>& addresses, std::uint16_t linkPort,
                  std::optional<Endpoint> peer = std::nullopt);
    // The other player as the relay sees it, once known.
    const std::optional<Endpoint>& peer() const { return peer_; }
    // Where the match's socket sends to reach the other player.
    std::uint16_t forwarderPort() const { return forwarderPort_; }
    bool channelBound() const { return bound_; }

    struct Stats {
        std::uint64_t bytesToPeer = 0; // the match's own, without framing
        std::uint64_t bytesFromPeer = 0;
        std::uint64_t datagramsToPeer = 0;
        std::uint64_t datagramsFromPeer = 0;
    };
    const Stats& stats() const { return stats_; }

private:
    struct Request {
        std::uint16_t method = 0;
        TransactionId id{};
        std::function<void(StunWriter&)> attributes;
        Clock::time_point firstSent{};
        Clock::time_point lastSent{};
        int staleNonces = 0;
    };

    TurnRelay(const Endpoint& server, TurnCredentials credentials, int serverSocket,
              int forwarderSocket, std::uint16_t forwarderPort);
    TransactionId newId();
    void ask(std::uint16_t method, std::function<void(StunWriter&)> attributes);
    void send(Request& request, Clock::time_point now);
    void sendTo(int socket, const Endpoint& to, std::span<const std::uint8_t> datagram);
    void hearServer(std::span<const std::uint8_t> datagram, Clock::time_point now);
    void hearAnswer(const StunMessage& answer, Clock::time_point now);
    void answered(const Request& request, const StunMessage& answer);
    void hearLink(std::span<const std::uint8_t> datagram);
    void deliver(std::span<const std::uint8_t> payload);
    void fail(std::string why);
    void askPermissions();
    void bindChannel();

    Endpoint server_;
    TurnCredentials credentials_;
    int serverSocket_ = -1;
    int forwarderSocket_ = -1;
    std::uint16_t forwarderPort_ = 0;
    State state_ = State::allocating;
    std::string failure_;
    std::string realm_;
    std::string nonce_;
    std::array<std::uint8_t, 16> key_{};
    std::vector<Request> requests_;
    std::optional<Endpoint> relayed_;
    std::optional<Endpoint> peer_;
    std::vector<std::uint32_t> permittedAddresses_;
    std::uint16_t linkPort_ = 0;
    bool permitted_ = false;
    bool bound_ = false;
    std::optional<Clock::time_point> refreshAt_;
    std::mt19937_64 ids_;
    Stats stats_;
};

} // namespace gloob::traversal
