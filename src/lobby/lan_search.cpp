// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lan.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace gloob::lobby {

namespace {

// Answers kept from one search: a network of more hosts than this is not
// one the list would help with anyway.
constexpr std::size_t maxFound = 64;

// Where probes go: every IPv4 network's broadcast address, and this machine.
std::vector<sockaddr_in> probeTargets(std::uint16_t port) {
    std::vector<sockaddr_in> targets;
    sockaddr_in self{};
    self.sin_family = AF_INET;
    self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    self.sin_port = htons(port);
    targets.push_back(self);
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) {
        return targets;
    }
    for (const ifaddrs* i = all; i != nullptr; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET ||
            (i->ifa_flags & IFF_UP) == 0 || (i->ifa_flags & IFF_BROADCAST) == 0 ||
            (i->ifa_flags & IFF_LOOPBACK) != 0 || i->ifa_broadaddr == nullptr) {
            continue;
        }
        sockaddr_in target{};
        std::memcpy(&target, i->ifa_broadaddr, sizeof target);
        target.sin_port = htons(port);
        targets.push_back(target);
    }
    freeifaddrs(all);
    return targets;
}

} // namespace

std::vector<FoundGame> findLanGames(std::uint16_t protocol, std::uint16_t port,
                                    std::chrono::milliseconds wait, std::string& error) {
    std::vector<FoundGame> found;
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) {
        error = std::string("cannot open a UDP socket: ") + std::strerror(errno);
        return found;
    }
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    const std::vector<std::uint8_t> probe = lanProbe(protocol);
    bool sent = false;
    for (const sockaddr_in& target : probeTargets(port)) {
        sent |= sendto(fd, probe.data(), probe.size(), 0,
                       reinterpret_cast<const sockaddr*>(&target), sizeof target) >= 0;
    }
    if (!sent) {
        error = std::string("cannot send a probe: ") + std::strerror(errno);
        close(fd);
        return found;
    }
    const auto until = std::chrono::steady_clock::now() + wait;
    while (found.size() < maxFound) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        std::uint8_t datagram[512];
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t size =
            recvfrom(fd, datagram, sizeof datagram, 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (size <= 0) {
            continue;
        }
        const auto game = parseLanAnswer({datagram, static_cast<std::size_t>(size)});
        char address[INET_ADDRSTRLEN] = {};
        if (!game || inet_ntop(AF_INET, &from.sin_addr, address, sizeof address) == nullptr) {
            continue;
        }
        const std::uint16_t fromPort = ntohs(from.sin_port);
        const bool known = std::any_of(found.begin(), found.end(), [&](const FoundGame& f) {
            return f.address == address && f.port == fromPort;
        });
        if (!known) {
            found.push_back({*game, address, fromPort});
        }
    }
    close(fd);
    return found;
}

} // namespace gloob::lobby
