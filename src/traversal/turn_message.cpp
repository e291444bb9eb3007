// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "turn_message.h"

#include <nettle/base64.h>
#include <nettle/md5.h>

#include <algorithm>

namespace gloob::traversal {

std::array<std::uint8_t, 16> longTermKey(const TurnCredentials& credentials,
                                         std::string_view realm) {
    const std::string text =
        credentials.username + ":" + std::string(realm) + ":" + credentials.password;
    md5_ctx context;
    md5_init(&context);
    md5_update(&context, text.size(), reinterpret_cast<const std::uint8_t*>(text.data()));
    std::array<std::uint8_t, 16> key{};
    md5_digest(&context, key.size(), key.data());
    return key;
}

TurnCredentials sharedSecretCredentials(std::string_view secret, std::string_view who,
                                        std::int64_t expiresAt) {
    TurnCredentials out;
    out.username = std::to_string(expiresAt) + (who.empty() ? "" : ":" + std::string(who));
    const auto digest = hmacSha1(
        std::span(reinterpret_cast<const std::uint8_t*>(secret.data()), secret.size()),
        std::span(reinterpret_cast<const std::uint8_t*>(out.username.data()), out.username.size()));
    out.password.resize(BASE64_ENCODE_RAW_LENGTH(digest.size()));
    base64_encode_raw(out.password.data(), digest.size(), digest.data());
    return out;
}

std::vector<std::uint8_t> formatChannelData(std::uint16_t channel,
                                            std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> out(4 + payload.size());
    out[0] = static_cast<std::uint8_t>(channel >> 8);
    out[1] = static_cast<std::uint8_t>(channel);
    out[2] = static_cast<std::uint8_t>(payload.size() >> 8);
    out[3] = static_cast<std::uint8_t>(payload.size());
    std::ranges::copy(payload, out.begin() + 4);
    return out;
}

std::optional<ChannelData> readChannelData(std::span<const std::uint8_t> datagram) {
    if (datagram.size() < 4) {
        return std::nullopt;
    }
    const auto channel = static_cast<std::uint16_t>(datagram[0] << 8 | datagram[1]);
    const std::size_t length = static_cast<std::size_t>(datagram[2] << 8 | datagram[3]);
    if (channel < turn::firstChannel || channel > turn::lastChannel ||
        length > datagram.size() - 4) {
        return std::nullopt;
    }
    return ChannelData{channel, datagram.subspan(4, length)};
}

} // namespace gloob::traversal
