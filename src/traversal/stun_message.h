// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "endpoint.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// STUN messages (RFC 8489) in general: what a STUN server and a TURN relay
// answer, and what is asked of them. Reading never trusts a length.
namespace gloob::traversal {

using TransactionId = std::array<std::uint8_t, 12>;

namespace attribute {
constexpr std::uint16_t username = 0x0006;
constexpr std::uint16_t messageIntegrity = 0x0008;
constexpr std::uint16_t errorCode = 0x0009;
constexpr std::uint16_t channelNumber = 0x000C;
constexpr std::uint16_t lifetime = 0x000D;
constexpr std::uint16_t xorPeerAddress = 0x0012;
constexpr std::uint16_t data = 0x0013;
constexpr std::uint16_t realm = 0x0014;
constexpr std::uint16_t nonce = 0x0015;
constexpr std::uint16_t xorRelayedAddress = 0x0016;
constexpr std::uint16_t requestedTransport = 0x0019;
constexpr std::uint16_t xorMappedAddress = 0x0020;
constexpr std::uint16_t software = 0x8022;
constexpr std::uint16_t fingerprint = 0x8028;
} // namespace attribute

enum class StunClass : std::uint8_t { request = 0, indication = 1, success = 2, error = 3 };

struct StunAttribute {
    std::uint16_t type = 0;
    std::span<const std::uint8_t> value;
};

// A message read from a datagram; its attributes point into the datagram,
// which must outlive it. Attributes after MESSAGE-INTEGRITY are left out,
// as they are covered by nothing.
struct StunMessage {
    std::uint16_t method = 0;
    StunClass kind = StunClass::request;
    TransactionId id{};
    std::vector<StunAttribute> attributes;

    const StunAttribute* find(std::uint16_t type) const;
    std::optional<Endpoint> xorAddress(std::uint16_t type) const;
    std::optional<std::uint32_t> number(std::uint16_t type) const;
    std::string text(std::uint16_t type) const;
    // An error answer's code (401, 438...) and reason.
    std::optional<int> errorCode() const;
    std::string errorReason() const;
    // Whether MESSAGE-INTEGRITY is there and was made with `key`.
    bool integrityHolds(std::span<const std::uint8_t> key) const;

    std::span<const std::uint8_t> bytes;
    std::optional<std::size_t> integrityAt;
};

// Whether a datagram is a STUN message at all, whatever it says.
bool isStunMessage(std::span<const std::uint8_t> datagram);
// The message, or nothing when any length disagrees with another, an
// attribute runs past the end, or a FINGERPRINT is wrong or not last.
std::optional<StunMessage> readStunMessage(std::span<const std::uint8_t> datagram);

class StunWriter {
public:
    StunWriter(std::uint16_t method, StunClass kind, const TransactionId& id);
    StunWriter& add(std::uint16_t type, std::span<const std::uint8_t> value);
    StunWriter& add(std::uint16_t type, std::string_view text);
    StunWriter& addNumber(std::uint16_t type, std::uint32_t value);
    StunWriter& addXorAddress(std::uint16_t type, const Endpoint& where);
    // The message, signed with `integrityKey` unless empty, and with a
    // FINGERPRINT when asked.
    std::vector<std::uint8_t> finish(std::span<const std::uint8_t> integrityKey = {},
                                     bool withFingerprint = false);

private:
    std::vector<std::uint8_t> bytes_;
};

std::array<std::uint8_t, 20> hmacSha1(std::span<const std::uint8_t> key,
                                      std::span<const std::uint8_t> text);

} // namespace gloob::traversal
