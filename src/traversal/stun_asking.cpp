// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "stun_asking.h"

#include "net/link.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>

#include <algorithm>
#include <random>

namespace gloob::traversal {

namespace {

// A lost request is sent again after this long.
constexpr auto stunResend = std::chrono::milliseconds(250);

} // namespace

std::optional<Endpoint> resolveStunServer(const std::string& host, std::uint16_t port) {
    if (const auto dotted = parseEndpoint(host, port)) {
        return dotted;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    sockaddr_in in{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(found->ai_addr), sizeof in,
                reinterpret_cast<std::uint8_t*>(&in));
    freeaddrinfo(found);
    return Endpoint{ntohl(in.sin_addr.s_addr), port};
}

StunAsking::StunAsking(net::Link& link, const Endpoint& server, std::chrono::milliseconds limit)
    : link_(link), server_(server), limit_(limit), start_(std::chrono::steady_clock::now()),
      sendAt_(start_) {
    std::random_device random;
    std::generate(id_.begin(), id_.end(),
                  [&random] { return static_cast<std::uint8_t>(random()); });
    link_.hearDatagrams(
        [this](std::span<const std::uint8_t> datagram, std::uint32_t address, std::uint16_t port) {
            if (!isStunMessage(datagram)) {
                return false;
            }
            if (Endpoint{address, port} == server_ && !mapped_) {
                mapped_ = parseStunBindingAnswer(datagram, id_);
            }
            return true;
        });
}

StunAsking::~StunAsking() {
    link_.hearDatagrams([](std::span<const std::uint8_t> datagram, std::uint32_t, std::uint16_t) {
        return isStunMessage(datagram);
    });
}

bool StunAsking::step() {
    const auto now = std::chrono::steady_clock::now();
    if (mapped_ || now - start_ >= limit_) {
        return true;
    }
    if (now >= sendAt_) {
        link_.sendDatagram(server_.address, server_.port, stunBindingRequest(id_));
        sendAt_ = now + stunResend;
    }
    return false;
}

} // namespace gloob::traversal
