// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The STUN question a step at a time, from a match socket on loopback to a
// server of the test's own, and from whom an answer is believed.

#include "net/link.h"
#include "traversal/stun_asking.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gloob::traversal {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint32_t loopback = 0x7F000001;

// A Binding success for the request, saying `seen` in XOR-MAPPED-ADDRESS.
Bytes bindingAnswer(std::span<const std::uint8_t> request, const Endpoint& seen) {
    Bytes answer{0x01, 0x01, 0x00, 0x0C, 0x21, 0x12, 0xA4, 0x42};
    answer.insert(answer.end(), request.begin() + 8, request.begin() + 20);
    const std::uint16_t port = seen.port ^ 0x2112;
    const std::uint32_t address = seen.address ^ 0x2112A442;
    const Bytes attribute{0x00,
                          0x20,
                          0x00,
                          0x08,
                          0x00,
                          0x01,
                          static_cast<std::uint8_t>(port >> 8),
                          static_cast<std::uint8_t>(port),
                          static_cast<std::uint8_t>(address >> 24),
                          static_cast<std::uint8_t>(address >> 16),
                          static_cast<std::uint8_t>(address >> 8),
                          static_cast<std::uint8_t>(address)};
    answer.insert(answer.end(), attribute.begin(), attribute.end());
    return answer;
}

// A STUN server on its own socket; `from` answers in its stead when set (a
// third machine that would have the asker believe another address).
struct Server {
    std::unique_ptr<net::Link> link;
    std::unique_ptr<net::Link> from;
    Endpoint told{0xC0000201, 40000}; // 192.0.2.1:40000

    Server(bool impostor) {
        std::string error;
        link = net::Link::open(error);
        if (impostor) {
            from = net::Link::open(error);
        }
        link->hearDatagrams([this](std::span<const std::uint8_t> datagram, std::uint32_t address,
                                   std::uint16_t port) {
            (from ? *from : *link).sendDatagram(address, port, bindingAnswer(datagram, told));
            return true;
        });
    }
};

struct Asked {
    const char* what;
    bool impostor;
    bool believed;
};

TEST(StunAsking, BelievesOnlyTheServerAsked) {
    for (const Asked& row : {Asked{"the server answers", false, true},
                             Asked{"another machine answers", true, false}}) {
        Server server(row.impostor);
        std::string error;
        auto link = net::Link::open(error);
        ASSERT_TRUE(link) << error;
        StunAsking asking(*link, {loopback, server.link->port()}, 500ms);
        bool over = false;
        // A bound on the wait, well past the limit.
        const auto until = std::chrono::steady_clock::now() + 3s;
        while (!over && std::chrono::steady_clock::now() < until) {
            over = asking.step();
            link->putBack(link->service(2));
            server.link->putBack(server.link->service(0));
        }
        EXPECT_TRUE(over) << row.what;
        EXPECT_EQ(asking.mapped().has_value(), row.believed) << row.what;
        if (row.believed) {
            EXPECT_EQ(*asking.mapped(), server.told) << row.what;
        }
    }
}

TEST(StunAsking, ResolvesNamesAndAddresses) {
    EXPECT_EQ(resolveStunServer("198.51.100.7", 3478), (Endpoint{0xC6336407, 3478}));
    EXPECT_EQ(resolveStunServer("localhost", 3479), (Endpoint{loopback, 3479}));
    EXPECT_EQ(resolveStunServer("no.such.name.invalid", 3478), std::nullopt);
}

} // namespace
} // namespace gloob::traversal
