// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "candidates.h"

#include "net/link.h"
#include "stun.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <random>

namespace gloob::traversal {

namespace {

// A lost request is sent again after this long.
constexpr auto stunResend = std::chrono::milliseconds(250);

std::uint32_t ipv4Of(const sockaddr* address) {
    sockaddr_in in{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(address), sizeof in,
                reinterpret_cast<std::uint8_t*>(&in));
    return ntohl(in.sin_addr.s_addr);
}

} // namespace

std::string_view describe(Path path) {
    switch (path) {
    case Path::localNetwork:
        return "local network";
    case Path::directPublic:
        return "direct public";
    case Path::upnp:
        return "UPnP";
    case Path::relay:
        return "relay";
    }
    return "direct public";
}

std::vector<std::uint32_t> localAddresses() {
    std::vector<std::uint32_t> found;
    std::vector<std::uint32_t> loopback;
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) {
        return found;
    }
    for (const ifaddrs* at = all; at != nullptr; at = at->ifa_next) {
        if (at->ifa_addr == nullptr || at->ifa_addr->sa_family != AF_INET ||
            (at->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        const std::uint32_t ip = ipv4Of(at->ifa_addr);
        auto& into = (at->ifa_flags & IFF_LOOPBACK) != 0 ? loopback : found;
        if (std::find(into.begin(), into.end(), ip) == into.end()) {
            into.push_back(ip);
        }
    }
    freeifaddrs(all);
    return found.empty() ? loopback : found;
}

Path pathTo(std::uint32_t address) {
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) {
        return Path::directPublic;
    }
    Path path = Path::directPublic;
    for (const ifaddrs* at = all; at != nullptr; at = at->ifa_next) {
        if (at->ifa_addr == nullptr || at->ifa_netmask == nullptr ||
            at->ifa_addr->sa_family != AF_INET || (at->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        const std::uint32_t mine = ipv4Of(at->ifa_addr);
        const std::uint32_t mask = ipv4Of(at->ifa_netmask);
        if ((mine & mask) == (address & mask)) {
            path = Path::localNetwork;
        }
    }
    freeifaddrs(all);
    return path;
}

std::optional<Endpoint> askStun(net::Link& link, const Endpoint& server,
                                std::chrono::milliseconds limit) {
    TransactionId id{};
    std::random_device random;
    std::generate(id.begin(), id.end(), [&random] { return static_cast<std::uint8_t>(random()); });
    const std::vector<std::uint8_t> request = stunBindingRequest(id);
    std::optional<Endpoint> mapped;
    link.hearDatagrams(
        [&](std::span<const std::uint8_t> datagram, std::uint32_t address, std::uint16_t port) {
            if (!isStunMessage(datagram)) {
                return false;
            }
            if (Endpoint{address, port} == server && !mapped) {
                mapped = parseStunBindingAnswer(datagram, id);
            }
            return true;
        });
    const auto start = std::chrono::steady_clock::now();
    auto sendAt = start;
    while (!mapped && std::chrono::steady_clock::now() - start < limit) {
        if (std::chrono::steady_clock::now() >= sendAt) {
            link.sendDatagram(server.address, server.port, request);
            sendAt += stunResend;
        }
        link.putBack(link.service(5));
    }
    // Late answers are still kept from ENet, which has no use for them.
    link.hearDatagrams([](std::span<const std::uint8_t> datagram, std::uint32_t, std::uint16_t) {
        return isStunMessage(datagram);
    });
    return mapped;
}

std::vector<Candidate> gatherCandidates(net::Link& link, std::optional<Endpoint> stunServer,
                                        std::chrono::milliseconds stunLimit) {
    std::vector<Candidate> candidates;
    for (const std::uint32_t address : localAddresses()) {
        candidates.push_back({{address, link.port()}, Path::localNetwork});
    }
    if (stunServer) {
        const auto mapped = askStun(link, *stunServer, stunLimit);
        if (mapped && std::none_of(candidates.begin(), candidates.end(),
                                   [&](const Candidate& c) { return c.where == *mapped; })) {
            candidates.push_back({*mapped, Path::directPublic});
        }
    }
    return candidates;
}

} // namespace gloob::traversal
