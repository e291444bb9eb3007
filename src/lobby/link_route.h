// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "external_services.h"
#include "lobby_text.h"
#include "traversal/connectivity_checks.h"
#include "traversal/relay_thread.h"
#include "traversal/stun_asking.h"
#include "traversal/turn_relay.h"
#include "traversal/upnp.h"

#include <chrono>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gloob::net {
class Link;
}

namespace gloob::lobby {

// The way from the match's socket to the other player's, a step at a time
// for a window that must keep painting: this machine's candidates gathered
// (its addresses at once, the public one from STUN, a port its router
// forwards, last an address a relay lends), then the other's probed until one answers. The caller
// services the link, and keeps this no longer than the link.
class LinkRoute {
public:
    struct Limits {
        std::chrono::milliseconds stun{2000};
        // Zero: the router is not asked to forward the port.
        std::chrono::milliseconds upnp{1500};
        std::chrono::milliseconds path{10000};
    };
    enum class State { gathering, gathered, checking, found, gaveWay, failed };

    LinkRoute(net::Link& link, std::optional<ServiceAddress> stun, Limits limits);
    ~LinkRoute();
    LinkRoute(const LinkRoute&) = delete;
    LinkRoute& operator=(const LinkRoute&) = delete;

    // Asks `relay` for an address, offered last; right after construction.
    void useRelay(const RelayService& relay);
    // Sends what is due and takes what the helpers found.
    void step();
    State state() const { return state_; }
    // This machine's candidates so far, as the lobby carries them.
    std::vector<Candidate> candidates() const;
    // Probes the other player's candidates with the match's secret; over
    // when one answers, the other machine connects first, or the limit passes.
    void check(const std::string& secret, const std::vector<Candidate>& theirs);
    // The other player's candidates being probed.
    const std::vector<traversal::Candidate>& theirs() const { return theirs_; }
    std::optional<traversal::Candidate> found() const;
    // The way the other machine came, named by its probe's answer, else by
    // where its connection came from: a machine that connected before any
    // probe was answered still has its path.
    traversal::Path pathFrom(const traversal::Endpoint& peer) const;
    // The router's forwarding, for the length of the match.
    std::unique_ptr<traversal::UpnpMapping> takeMapping() { return std::move(mapping_); }
    // The relay, on a thread of its own, when the match goes through it;
    // else nothing, and the relay is released with the route.
    std::unique_ptr<traversal::RelayThread> takeRelay();
    // What happened, for the log.
    std::vector<std::string> takeLines();

private:
    struct Forwarded {
        std::unique_ptr<traversal::UpnpMapping> mapping;
        std::string why;
    };
    void gather();
    void stepRelay();

    net::Link& link_;
    Limits limits_;
    State state_ = State::gathering;
    std::vector<traversal::Candidate> ours_;
    std::future<std::optional<traversal::Endpoint>> resolving_;
    std::future<Forwarded> forwarding_;
    std::unique_ptr<traversal::StunAsking> asking_;
    std::unique_ptr<traversal::UpnpMapping> mapping_;
    std::unique_ptr<traversal::TurnRelay> relay_;
    std::vector<traversal::Candidate> theirs_;
    std::unique_ptr<traversal::ConnectivityChecks> checks_;
    std::chrono::steady_clock::time_point checkUntil_;
    std::vector<std::string> lines_;
};

} // namespace gloob::lobby
