// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "link_route.h"

#include "lobby_paths.h"
#include "net/link.h"

#include <algorithm>

namespace gloob::lobby {

namespace {

template <typename T> bool ready(const std::future<T>& future) {
    return future.valid() && future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

// Where the match's socket sends to reach the other player through the relay.
traversal::Endpoint forwarderOf(const traversal::TurnRelay& relay) {
    return {0x7f000001, relay.forwarderPort()};
}

} // namespace

// The resolver and the router's search may each wait for seconds: both run
// beside the window, which only looks whether they are done.
LinkRoute::LinkRoute(net::Link& link, std::optional<ServiceAddress> stun, Limits limits)
    : link_(link), limits_(limits) {
    for (const std::uint32_t address : traversal::localAddresses()) {
        ours_.push_back({{address, link_.port()}, traversal::Path::localNetwork});
    }
    if (stun) {
        resolving_ = std::async(std::launch::async, [server = *stun] {
            return traversal::resolveStunServer(server.host, server.port);
        });
    }
    if (limits_.upnp.count() > 0) {
        forwarding_ = std::async(std::launch::async, [port = link_.port(), limit = limits_.upnp] {
            Forwarded forwarded;
            forwarded.mapping = traversal::UpnpMapping::open(port, limit, forwarded.why);
            return forwarded;
        });
    }
}

LinkRoute::~LinkRoute() = default;

void LinkRoute::useRelay(const RelayService& relay) {
    const auto server = traversal::parseEndpoint(relay.address.host, relay.address.port);
    if (!server) {
        lines_.push_back("the lobby's relay " + relay.address.host + " is not an IPv4 address");
        return;
    }
    std::string error;
    relay_ = traversal::TurnRelay::open(*server, {relay.username, relay.password}, error);
    if (!relay_) {
        lines_.push_back("no relay: " + error);
    }
}

// The relay gives up by itself when it does not answer.
void LinkRoute::stepRelay() {
    using RelayState = traversal::TurnRelay::State;
    if (!relay_) {
        return;
    }
    const bool allocating = relay_->state() == RelayState::allocating;
    relay_->step(traversal::TurnRelay::Clock::now());
    if (!allocating || relay_->state() == RelayState::allocating) {
        return;
    }
    if (relay_->state() == RelayState::failed) {
        lines_.push_back("no relay: " + relay_->failure());
        relay_.reset();
        return;
    }
    ours_.push_back({*relay_->relayed(), traversal::Path::relay});
    lines_.push_back("the relay lends " + traversal::toString(*relay_->relayed()));
}

std::vector<Candidate> LinkRoute::candidates() const {
    return toLobby(ours_);
}

void LinkRoute::gather() {
    if (ready(resolving_)) {
        const auto server = resolving_.get();
        // Once probing, the socket's datagrams are the checks'.
        if (server && state_ == State::gathering) {
            asking_ = std::make_unique<traversal::StunAsking>(link_, *server, limits_.stun);
        } else if (!server) {
            lines_.emplace_back("the STUN server's name was not found");
        }
    }
    if (asking_ && asking_->step()) {
        const auto mapped = asking_->mapped();
        if (mapped && std::none_of(ours_.begin(), ours_.end(), [&](const traversal::Candidate& c) {
                return c.where == *mapped;
            })) {
            ours_.push_back({*mapped, traversal::Path::directPublic});
        }
        lines_.push_back(mapped ? "the STUN server sees this machine at " +
                                      traversal::toString(*mapped)
                                : std::string("the STUN server did not answer"));
        asking_.reset();
    }
    if (ready(forwarding_)) {
        Forwarded forwarded = forwarding_.get();
        if (forwarded.mapping) {
            mapping_ = std::move(forwarded.mapping);
            traversal::addCandidate(ours_, *mapping_);
            lines_.push_back("the router forwards " + traversal::toString(mapping_->outside()) +
                             " to this machine's port " + std::to_string(link_.port()));
        } else {
            lines_.push_back("no port forwarded by the router: " + forwarded.why);
        }
    }
    const bool allocating = relay_ && relay_->state() == traversal::TurnRelay::State::allocating;
    if (state_ == State::gathering && !resolving_.valid() && !asking_ && !forwarding_.valid() &&
        !allocating) {
        state_ = State::gathered;
    }
}

void LinkRoute::step() {
    stepRelay();
    gather();
    if (state_ != State::checking) {
        return;
    }
    switch (checks_->step()) {
    case traversal::ConnectivityChecks::State::found:
        state_ = State::found;
        return;
    case traversal::ConnectivityChecks::State::gaveWay:
        state_ = State::gaveWay;
        return;
    case traversal::ConnectivityChecks::State::trying:
        break;
    }
    if (std::chrono::steady_clock::now() >= checkUntil_) {
        state_ = State::failed;
        lines_.push_back("no answer within " + std::to_string(limits_.path.count()) + " ms");
    }
}

void LinkRoute::check(const std::string& secret, const std::vector<Candidate>& theirs) {
    // What STUN has not answered by now comes too late to be offered.
    asking_.reset();
    theirs_ = fromLobby(theirs);
    const auto bytes = traversal::secretFromHex(secret);
    if (!bytes || theirs_.empty()) {
        state_ = State::failed;
        lines_.emplace_back("the other player gave no address to try");
        return;
    }
    // The other player may reach only the relayed address, and is let in
    // there from any of its addresses; its datagrams come from the forwarder.
    std::vector<traversal::Candidate> probed = theirs_;
    if (relay_ && relay_->state() == traversal::TurnRelay::State::ready) {
        std::vector<std::uint32_t> addresses;
        for (const traversal::Candidate& c : theirs_) {
            if (std::find(addresses.begin(), addresses.end(), c.where.address) == addresses.end()) {
                addresses.push_back(c.where.address);
            }
        }
        relay_->relayFor(addresses, link_.port());
        probed.push_back({forwarderOf(*relay_), traversal::Path::relay});
    } else {
        // Lent too late to be offered.
        relay_.reset();
    }
    checks_ = std::make_unique<traversal::ConnectivityChecks>(link_, *bytes, probed);
    checkUntil_ = std::chrono::steady_clock::now() + limits_.path;
    state_ = State::checking;
}

std::optional<traversal::Candidate> LinkRoute::found() const {
    if (checks_ && checks_->found()) {
        return checks_->found()->candidate;
    }
    return std::nullopt;
}

traversal::Path LinkRoute::pathFrom(const traversal::Endpoint& peer) const {
    if (const auto taken = found()) {
        return taken->path;
    }
    if (relay_ && peer == forwarderOf(*relay_)) {
        return traversal::Path::relay;
    }
    const auto offered =
        std::find_if(theirs_.begin(), theirs_.end(),
                     [&](const traversal::Candidate& c) { return c.where == peer; });
    return offered != theirs_.end() ? offered->path : traversal::pathTo(peer.address);
}

std::unique_ptr<traversal::RelayThread> LinkRoute::takeRelay() {
    if (!relay_) {
        return nullptr;
    }
    // When the other machine connected first, it came through the relay if
    // the relay heard it at all.
    const auto taken = found();
    const bool through = taken ? taken->where == forwarderOf(*relay_) : relay_->peer().has_value();
    if (!through) {
        relay_.reset();
        return nullptr;
    }
    return std::make_unique<traversal::RelayThread>(std::move(relay_));
}

std::vector<std::string> LinkRoute::takeLines() {
    std::vector<std::string> taken;
    taken.swap(lines_);
    return taken;
}

} // namespace gloob::lobby
