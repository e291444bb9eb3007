// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lan.h"

#include "lobby_text.h"

#include <algorithm>
#include <array>

namespace gloob::lobby {

namespace {

// A probe is no ENet datagram, nor any other program's: its magic says so.
constexpr std::array<std::uint8_t, 4> probeMagic{'G', 'L', 'O', '?'};
constexpr std::array<std::uint8_t, 4> answerMagic{'G', 'L', 'O', '!'};
constexpr std::size_t maxNameBytes = maxNameCharacters * 4;

bool startsWith(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, 4>& magic) {
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

void putProtocol(std::vector<std::uint8_t>& out, std::uint16_t protocol) {
    out.push_back(static_cast<std::uint8_t>(protocol >> 8));
    out.push_back(static_cast<std::uint8_t>(protocol & 0xFF));
}

} // namespace

std::vector<std::uint8_t> lanProbe(std::uint16_t protocol) {
    std::vector<std::uint8_t> out(probeMagic.begin(), probeMagic.end());
    putProtocol(out, protocol);
    return out;
}

bool isLanProbe(std::span<const std::uint8_t> datagram) {
    return datagram.size() == probeMagic.size() + 2 && startsWith(datagram, probeMagic);
}

std::vector<std::uint8_t> lanAnswer(const LanGame& game) {
    std::vector<std::uint8_t> out(answerMagic.begin(), answerMagic.end());
    putProtocol(out, game.protocol);
    out.push_back(static_cast<std::uint8_t>(game.balls));
    const std::string name = game.name.substr(0, maxNameBytes);
    out.push_back(static_cast<std::uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    return out;
}

std::optional<LanGame> parseLanAnswer(std::span<const std::uint8_t> datagram) {
    constexpr std::size_t header = answerMagic.size() + 4;
    if (datagram.size() < header || !startsWith(datagram, answerMagic) ||
        datagram.size() != header + datagram[header - 1]) {
        return std::nullopt;
    }
    LanGame game;
    game.protocol = static_cast<std::uint16_t>(datagram[4] << 8 | datagram[5]);
    game.balls = datagram[6];
    if (game.protocol == 0 || (game.balls != 3 && game.balls != 5 && game.balls != 8) ||
        datagram[7] > maxNameBytes) {
        return std::nullopt;
    }
    game.name = cleanName(std::string(datagram.begin() + header, datagram.end()));
    return game;
}

} // namespace gloob::lobby
