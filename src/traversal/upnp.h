// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "candidates.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Asking the home router (a UPnP Internet Gateway Device) to forward the
// match's port: the way in for routers that pick a new port for every
// destination, which makes the address STUN saw useless to the other player.
namespace gloob::traversal {

class UpnpMapping {
public:
    // Finds the router within `limit` and has it forward UDP `port` (the same
    // outside where free, else another) to this machine; nothing when no
    // router answers or it refuses, with the reason in `why`.
    static std::unique_ptr<UpnpMapping> open(std::uint16_t port, std::chrono::milliseconds limit,
                                             std::string& why);
    // Removes the forwarding.
    ~UpnpMapping();
    UpnpMapping(const UpnpMapping&) = delete;
    UpnpMapping& operator=(const UpnpMapping&) = delete;

    // Where the other player's datagrams reach this machine's port.
    Endpoint outside() const { return outside_; }
    Candidate candidate() const { return {outside_, Path::upnp}; }
    // Removes the forwarding now (the destructor does otherwise); true when
    // the router confirmed it, false when it refused or was already asked.
    bool remove();

private:
    struct Router;
    UpnpMapping(std::unique_ptr<Router> router, Endpoint outside);

    std::unique_ptr<Router> router_;
    Endpoint outside_;
    bool removed_ = false;
};

// The mapping's candidate after the others, unless one of them is already
// that address and port.
void addCandidate(std::vector<Candidate>& candidates, const UpnpMapping& mapping);

} // namespace gloob::traversal
