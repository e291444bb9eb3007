// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "endpoint.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The small datagrams two machines send each other on their match's socket,
// through their routers, before ENet connects: "can you hear me here?" and
// "yes, and I heard you from there". Both carry the match's secret, so that
// a machine answers and believes only the player it was introduced to.
namespace gloob::traversal {

using Secret = std::array<std::uint8_t, 16>;
// The lobby's secret (32 hex digits) as bytes, or nothing when it is not one.
std::optional<Secret> secretFromHex(std::string_view hex);

enum class ProbeKind : std::uint8_t { request = 1, answer = 2 };

struct Probe {
    ProbeKind kind = ProbeKind::request;
    std::uint64_t nonce = 0;
    // An answer: where the request came from, as the answering machine saw it.
    Endpoint seen;
    bool operator==(const Probe&) const = default;
};

std::vector<std::uint8_t> formatProbe(const Probe& probe, const Secret& secret);
// The probe in a datagram, or nothing when it is not exactly one of this
// match (any other length, magic, kind or secret).
std::optional<Probe> parseProbe(std::span<const std::uint8_t> datagram, const Secret& secret);

} // namespace gloob::traversal
