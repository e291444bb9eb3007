// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The window's way to the other player through a relay lent by a real TURN
// server on loopback, when no other way answers.

#include "coturn.h"
#include "lobby/link_route.h"
#include "net/link.h"
#include "udp_socket.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace gloob::lobby {
namespace {

using namespace std::chrono_literals;
using traversal::Path;

// Services both links, as the window's timer does, until `done` or a while.
bool stepUntil(net::Link& host, net::Link& joiner, const std::function<void()>& step,
               const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + 8s;
    while (!done() && std::chrono::steady_clock::now() < until) {
        host.putBack(host.service(1));
        joiner.putBack(joiner.service(1));
        step();
    }
    return done();
}

TEST(LinkRouteRelay, TakesTheRelayWhenNoOtherWayAnswersAndTheMatchRunsThroughIt) {
    const traversal::Coturn coturn;
    if (!coturn.running()) {
        GTEST_SKIP() << "turnserver (Debian's coturn) is not installed";
    }
    std::string error;
    const auto hostLink = net::Link::listen(0, error);
    const auto joinLink = net::Link::open(error);
    ASSERT_TRUE(hostLink && joinLink) << error;
    const LinkRoute::Limits limits{.stun = 300ms, .upnp = 0ms, .path = 8000ms};
    auto host = std::make_unique<LinkRoute>(*hostLink, std::nullopt, limits);
    LinkRoute joiner(*joinLink, std::nullopt, limits);
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto expires = std::chrono::duration_cast<std::chrono::seconds>(now + 1h).count();
    const auto credentials =
        traversal::sharedSecretCredentials(traversal::coturnSecret, "player", expires);
    host->useRelay(
        {{"127.0.0.1", coturn.where().port}, credentials.username, credentials.password, expires});

    const auto steps = [&] {
        host->step();
        joiner.step();
    };
    ASSERT_TRUE(stepUntil(*hostLink, *joinLink, steps, [&] {
        return host->state() == LinkRoute::State::gathered &&
               joiner.state() == LinkRoute::State::gathered;
    }));
    const std::vector<Candidate> offered = host->candidates();
    ASSERT_FALSE(offered.empty());
    ASSERT_TRUE(offered.back().relayed) << "the relay's address is offered last";

    // The joiner reaches only the relayed address, and the host only a
    // port of the joiner's machine that nobody answers on (its router picked
    // another): the relay alone joins them.
    std::uint16_t deadPort = 0;
    {
        const traversal::Stranger closed;
        deadPort = closed.where().port;
    }
    const std::string secret = newSecret();
    joiner.check(secret, {offered.back()});
    host->check(secret, {{"127.0.0.1", deadPort}});
    ASSERT_TRUE(stepUntil(*hostLink, *joinLink, steps,
                          [&] { return joiner.state() == LinkRoute::State::found; }));
    ASSERT_EQ(joiner.found()->path, Path::relay);
    const auto way = joiner.found()->where;

    // Once the host's route has heard the joiner, the match goes on through
    // the relay's own thread, without the route.
    ASSERT_TRUE(stepUntil(*hostLink, *joinLink, steps,
                          [&] { return host->state() != LinkRoute::State::checking; }));
    const auto relay = host->takeRelay();
    ASSERT_TRUE(relay) << "the relay carries the match";
    host.reset();
    ASSERT_TRUE(joinLink->connectTo(traversal::toString(way, false), way.port, error)) << error;
    // ENet's handshake crosses the relay both ways.
    EXPECT_TRUE(stepUntil(
        *hostLink, *joinLink, [] {}, [&] { return joinLink->connected(); }));
}

} // namespace
} // namespace gloob::lobby
