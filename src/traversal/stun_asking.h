// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "endpoint.h"
#include "stun.h"

#include <chrono>
#include <optional>
#include <string>

namespace gloob::net {
class Link;
}

namespace gloob::traversal {

// A STUN server named by name or address, found by the system's resolver
// (which may wait: not on a thread that must keep answering).
std::optional<Endpoint> resolveStunServer(const std::string& host, std::uint16_t port);

// The question to a STUN server a step at a time, for a caller that must
// not wait (a window's timer) and services the link itself: the request
// goes again now and then until the answer comes or `limit` passes.
class StunAsking {
public:
    StunAsking(net::Link& link, const Endpoint& server, std::chrono::milliseconds limit);
    // Late answers are still kept from ENet, which has no use for them.
    ~StunAsking();
    StunAsking(const StunAsking&) = delete;
    StunAsking& operator=(const StunAsking&) = delete;

    // Sends what is due; true once over, answered or not.
    bool step();
    const std::optional<Endpoint>& mapped() const { return mapped_; }

private:
    net::Link& link_;
    Endpoint server_;
    std::chrono::milliseconds limit_;
    TransactionId id_{};
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point sendAt_;
    std::optional<Endpoint> mapped_;
};

} // namespace gloob::traversal
