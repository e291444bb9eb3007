// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "stun.h"

namespace gloob::traversal {

namespace {
constexpr std::uint16_t binding = 0x001;
} // namespace

std::vector<std::uint8_t> stunBindingRequest(const TransactionId& id) {
    return StunWriter(binding, StunClass::request, id).finish();
}

std::optional<Endpoint> parseStunBindingAnswer(std::span<const std::uint8_t> datagram,
                                               const TransactionId& id) {
    const auto message = readStunMessage(datagram);
    if (!message || message->method != binding || message->kind != StunClass::success ||
        message->id != id) {
        return std::nullopt;
    }
    return message->xorAddress(attribute::xorMappedAddress);
}

} // namespace gloob::traversal
