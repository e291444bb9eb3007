// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "changed_bytes.h"
#include "traversal/endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace gloob::traversal {

constexpr std::uint32_t loopback = 0x7F000001;

// A plain UDP socket on loopback: a machine that is no player of the match.
class Stranger {
public:
    explicit Stranger(std::uint32_t at = loopback) : at_(at), fd_(socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(at);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        timeval wait{0, 20'000};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
    }
    ~Stranger() { close(fd_); }
    Stranger(const Stranger&) = delete;
    Stranger& operator=(const Stranger&) = delete;

    Endpoint where() const { return {at_, port_}; }
    void send(const Bytes& bytes, std::uint16_t port) const { send(bytes, {loopback, port}); }
    void send(const Bytes& bytes, const Endpoint& where) const {
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_addr.s_addr = htonl(where.address);
        to.sin_port = htons(where.port);
        sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }
    std::optional<Bytes> receive() const { return receive(nullptr); }
    // The sender too, where `from` is given.
    std::optional<Bytes> receive(Endpoint* from) const {
        Bytes bytes(1500);
        sockaddr_in sender{};
        socklen_t length = sizeof sender;
        const auto got = recvfrom(fd_, bytes.data(), bytes.size(), 0,
                                  reinterpret_cast<sockaddr*>(&sender), &length);
        if (got < 0) {
            return std::nullopt;
        }
        bytes.resize(static_cast<std::size_t>(got));
        if (from != nullptr) {
            *from = {ntohl(sender.sin_addr.s_addr), ntohs(sender.sin_port)};
        }
        return bytes;
    }

private:
    std::uint32_t at_;
    int fd_;
    std::uint16_t port_ = 0;
};

} // namespace gloob::traversal
