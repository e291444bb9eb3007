// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gloob::traversal {

// The port STUN servers listen on unless they say otherwise.
constexpr std::uint16_t stunPort = 3478;

// An IPv4 address and UDP port, both in host order.
struct Endpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    auto operator<=>(const Endpoint&) const = default;
};

// "192.0.2.7:27960"; the address alone with `withPort` false.
std::string toString(const Endpoint& endpoint, bool withPort = true);
// A dotted IPv4 address, with ":PORT" unless `port` gives it.
std::optional<Endpoint> parseEndpoint(std::string_view text,
                                      std::optional<std::uint16_t> port = std::nullopt);

} // namespace gloob::traversal
