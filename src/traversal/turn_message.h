// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "stun_message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a TURN relay (RFC 8656) is asked, beyond STUN's messages: the methods,
// the relay's passwords, and the four-byte framing of a bound channel.
namespace gloob::traversal {

namespace turn {
constexpr std::uint16_t allocate = 0x003;
constexpr std::uint16_t refresh = 0x004;
constexpr std::uint16_t send = 0x006;
constexpr std::uint16_t data = 0x007;
constexpr std::uint16_t createPermission = 0x008;
constexpr std::uint16_t channelBind = 0x009;
// REQUESTED-TRANSPORT's value for UDP.
constexpr std::uint32_t transportUdp = 17u << 24;
constexpr std::uint16_t firstChannel = 0x4000;
constexpr std::uint16_t lastChannel = 0x4FFF;
} // namespace turn

struct TurnCredentials {
    std::string username;
    std::string password;
    bool operator==(const TurnCredentials&) const = default;
};

// The long-term key that signs every request once the relay named its realm:
// MD5 of "username:realm:password".
std::array<std::uint8_t, 16> longTermKey(const TurnCredentials& credentials,
                                         std::string_view realm);

// Credentials of the relay's shared-secret scheme, good until `expiresAt`
// (seconds since 1970): the name is "expiry:who" (the expiry alone for no
// one in particular), the password the base64
// of its HMAC-SHA1 under the secret. The lobby's server hands out the same.
TurnCredentials sharedSecretCredentials(std::string_view secret, std::string_view who,
                                        std::int64_t expiresAt);

struct ChannelData {
    std::uint16_t channel = 0;
    std::span<const std::uint8_t> payload;
};
std::vector<std::uint8_t> formatChannelData(std::uint16_t channel,
                                            std::span<const std::uint8_t> payload);
// A datagram on a bound channel, or nothing: another channel range, or a
// length longer than the datagram (padding after it is allowed).
std::optional<ChannelData> readChannelData(std::span<const std::uint8_t> datagram);

} // namespace gloob::traversal
