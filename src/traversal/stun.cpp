// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "stun.h"

#include <algorithm>

namespace gloob::traversal {

namespace {

constexpr std::size_t headerBytes = 20;
constexpr std::uint32_t magicCookie = 0x2112A442;
constexpr std::uint16_t bindingRequest = 0x0001;
constexpr std::uint16_t bindingSuccess = 0x0101;
constexpr std::uint16_t xorMappedAddress = 0x0020;
constexpr std::uint8_t familyIPv4 = 0x01;

std::uint32_t get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8 | in[at + static_cast<std::size_t>(i)];
    }
    return value;
}

} // namespace

std::vector<std::uint8_t> stunBindingRequest(const TransactionId& id) {
    std::vector<std::uint8_t> out{0x00, 0x01, 0x00, 0x00}; // Binding, no attributes
    static_assert(bindingRequest == 0x0001);
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(magicCookie >> shift));
    }
    out.insert(out.end(), id.begin(), id.end());
    return out;
}

bool isStunMessage(std::span<const std::uint8_t> datagram) {
    return datagram.size() >= headerBytes && (datagram[0] & 0xC0) == 0 &&
           get(datagram, 4, 4) == magicCookie &&
           get(datagram, 2, 2) == datagram.size() - headerBytes && datagram.size() % 4 == 0;
}

std::optional<Endpoint> parseStunBindingAnswer(std::span<const std::uint8_t> datagram,
                                               const TransactionId& id) {
    if (!isStunMessage(datagram) || get(datagram, 0, 2) != bindingSuccess ||
        !std::equal(id.begin(), id.end(), datagram.begin() + 8)) {
        return std::nullopt;
    }
    std::size_t at = headerBytes;
    while (datagram.size() - at >= 4) {
        const std::uint32_t type = get(datagram, at, 2);
        const std::size_t length = get(datagram, at + 2, 2);
        const std::size_t padded = (length + 3) / 4 * 4;
        at += 4;
        if (padded > datagram.size() - at) {
            return std::nullopt;
        }
        if (type == xorMappedAddress) {
            if (length != 8 || datagram[at + 1] != familyIPv4) {
                return std::nullopt;
            }
            Endpoint mapped;
            mapped.port =
                static_cast<std::uint16_t>(get(datagram, at + 2, 2) ^ (magicCookie >> 16));
            mapped.address = get(datagram, at + 4, 4) ^ magicCookie;
            return mapped;
        }
        at += padded;
    }
    return std::nullopt;
}

} // namespace gloob::traversal
