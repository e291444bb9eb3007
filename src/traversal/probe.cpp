// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "probe.h"

#include <algorithm>

namespace gloob::traversal {

namespace {

// ENet's datagrams start with their peer's number, whose second bit marks
// a compressed datagram: the game compresses none, so none of its own starts
// with 'G'. The fourth byte tells these from the games-on-the-network probes.
constexpr std::array<std::uint8_t, 4> magic{'G', 'L', 'O', '='};
constexpr std::size_t requestBytes = magic.size() + 1 + 8 + std::tuple_size_v<Secret>;
constexpr std::size_t answerBytes = requestBytes + 6;

void put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint64_t get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value = value << 8 | in[at + static_cast<std::size_t>(i)];
    }
    return value;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

std::optional<Secret> secretFromHex(std::string_view hex) {
    Secret secret{};
    if (hex.size() != secret.size() * 2) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < secret.size(); ++i) {
        const int high = hexDigit(hex[2 * i]);
        const int low = hexDigit(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        secret[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return secret;
}

std::vector<std::uint8_t> formatProbe(const Probe& probe, const Secret& secret) {
    std::vector<std::uint8_t> out(magic.begin(), magic.end());
    out.push_back(static_cast<std::uint8_t>(probe.kind));
    put(out, probe.nonce, 8);
    out.insert(out.end(), secret.begin(), secret.end());
    if (probe.kind == ProbeKind::answer) {
        put(out, probe.seen.address, 4);
        put(out, probe.seen.port, 2);
    }
    return out;
}

std::optional<Probe> parseProbe(std::span<const std::uint8_t> datagram, const Secret& secret) {
    if (datagram.size() < requestBytes ||
        !std::equal(magic.begin(), magic.end(), datagram.begin())) {
        return std::nullopt;
    }
    Probe probe;
    const std::uint8_t kind = datagram[magic.size()];
    if (kind == static_cast<std::uint8_t>(ProbeKind::request) && datagram.size() == requestBytes) {
        probe.kind = ProbeKind::request;
    } else if (kind == static_cast<std::uint8_t>(ProbeKind::answer) &&
               datagram.size() == answerBytes) {
        probe.kind = ProbeKind::answer;
    } else {
        return std::nullopt;
    }
    const auto theirs = datagram.subspan(magic.size() + 1 + 8, secret.size());
    if (!std::equal(secret.begin(), secret.end(), theirs.begin())) {
        return std::nullopt;
    }
    probe.nonce = get(datagram, magic.size() + 1, 8);
    if (probe.kind == ProbeKind::answer) {
        probe.seen.address = static_cast<std::uint32_t>(get(datagram, requestBytes, 4));
        probe.seen.port = static_cast<std::uint16_t>(get(datagram, requestBytes + 4, 2));
    }
    return probe;
}

} // namespace gloob::traversal
