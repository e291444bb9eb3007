// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The path a host names when the joiner connected before any probe of the
// host's was answered: read from where the connection came.

#include "lobby/link_route.h"
#include "net/link.h"
#include "traversal/endpoint.h"

#include <gtest/gtest.h>

namespace gloob::lobby {
namespace {

using namespace std::chrono_literals;
using traversal::Path;

TEST(LinkRoutePath, AJoinerThatConnectedFirstIsNamedByWhatItOffered) {
    std::string error;
    const auto link = net::Link::listen(0, error);
    ASSERT_TRUE(link) << error;
    LinkRoute route(*link, std::nullopt, {.stun = 0ms, .upnp = 0ms, .path = 10000ms});
    route.check(newSecret(),
                {{"203.0.113.5", 4000, false, false}, {"203.0.113.5", 5000, true, false}});
    const struct {
        const char* peer;
        std::uint16_t port;
        Path path;
    } cases[] = {
        {"203.0.113.5", 4000, Path::directPublic}, // its public address, from STUN
        {"203.0.113.5", 5000, Path::upnp},         // the port its router forwards
        {"127.0.0.1", 4200, Path::localNetwork},   // not offered, but on this network
    };
    for (const auto& c : cases) {
        const auto peer = traversal::parseEndpoint(c.peer, c.port);
        ASSERT_TRUE(peer);
        EXPECT_EQ(route.pathFrom(*peer), c.path) << c.peer << ":" << c.port;
    }
}

} // namespace
} // namespace gloob::lobby
