// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "endpoint.h"

#include <charconv>

namespace gloob::traversal {

namespace {

bool readNumber(std::string_view& text, unsigned maximum, unsigned& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || value > maximum ||
        (end - text.data() > 1 && text.front() == '0')) {
        return false;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

} // namespace

std::string toString(const Endpoint& endpoint, bool withPort) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        text += std::to_string((endpoint.address >> shift) & 0xFF);
        text += shift > 0 ? "." : "";
    }
    return withPort ? text + ":" + std::to_string(endpoint.port) : text;
}

std::optional<Endpoint> parseEndpoint(std::string_view text, std::optional<std::uint16_t> port) {
    Endpoint endpoint;
    for (int part = 0; part < 4; ++part) {
        unsigned value = 0;
        if (!readNumber(text, 255, value) || (part < 3 && (text.empty() || text.front() != '.'))) {
            return std::nullopt;
        }
        endpoint.address = endpoint.address << 8 | value;
        if (part < 3) {
            text.remove_prefix(1);
        }
    }
    if (port) {
        endpoint.port = *port;
        return text.empty() ? std::optional(endpoint) : std::nullopt;
    }
    unsigned value = 0;
    if (text.empty() || text.front() != ':') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!readNumber(text, 65535, value) || value == 0 || !text.empty()) {
        return std::nullopt;
    }
    endpoint.port = static_cast<std::uint16_t>(value);
    return endpoint;
}

} // namespace gloob::traversal
