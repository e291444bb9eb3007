// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "endpoint.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::net {
class Link;
}

// Where a machine may be reached for a match: its own addresses, and the one
// its router shows the world.
namespace gloob::traversal {

// The way a candidate is reached, best first.
enum class Path { localNetwork, directPublic, upnp, relay };
std::string_view describe(Path path);

struct Candidate {
    Endpoint where;
    Path path = Path::localNetwork;
    bool operator==(const Candidate&) const = default;
};

// This machine's IPv4 addresses, loopback only when it has no other.
std::vector<std::uint32_t> localAddresses();
// How this machine reaches an address: on one of its networks, or out.
Path pathTo(std::uint32_t address);

// Asks the STUN server, from the link's own socket, where its datagrams
// come from; nothing when no answer comes within `limit`.
std::optional<Endpoint> askStun(net::Link& link, const Endpoint& server,
                                std::chrono::milliseconds limit);

// The link's port at each local address, then the public one the STUN
// server saw (when a server is named, answers, and saw something new).
std::vector<Candidate> gatherCandidates(net::Link& link, std::optional<Endpoint> stunServer,
                                        std::chrono::milliseconds stunLimit);

} // namespace gloob::traversal
