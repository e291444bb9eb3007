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
    if (state_ == State::gathering && !resolving_.valid() && !asking_ && !forwarding_.valid()) {
        state_ = State::gathered;
    }
}

void LinkRoute::step() {
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
    checks_ = std::make_unique<traversal::ConnectivityChecks>(link_, *bytes, theirs_);
    checkUntil_ = std::chrono::steady_clock::now() + limits_.path;
    state_ = State::checking;
}

std::optional<traversal::Candidate> LinkRoute::found() const {
    if (checks_ && checks_->found()) {
        return checks_->found()->candidate;
    }
    return std::nullopt;
}

std::vector<std::string> LinkRoute::takeLines() {
    std::vector<std::string> taken;
    taken.swap(lines_);
    return taken;
}

} // namespace gloob::lobby
