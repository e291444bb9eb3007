// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Games on the local network, without any server: a machine looking for
// games broadcasts a probe to the game's UDP port, and every host there
// answers on its match's own socket with its name, version and match length.
namespace gloob::lobby {

struct LanGame {
    std::uint16_t protocol = 0;
    int balls = 5;
    std::string name; // cleaned when read
    bool operator==(const LanGame&) const = default;
};

std::vector<std::uint8_t> lanProbe(std::uint16_t protocol);
bool isLanProbe(std::span<const std::uint8_t> datagram);
std::vector<std::uint8_t> lanAnswer(const LanGame& game);
// The game in a host's answer, or nothing when it is not exactly one.
std::optional<LanGame> parseLanAnswer(std::span<const std::uint8_t> datagram);

// A game that answered, and where.
struct FoundGame {
    LanGame game;
    std::string address;
    std::uint16_t port = 0;
};

// Probes every network this machine is on (by broadcast) and this machine
// itself, on `port`, and gathers the answers for `wait`. Nothing, with the
// reason in `error`, when no probe could be sent.
std::vector<FoundGame> findLanGames(std::uint16_t protocol, std::uint16_t port,
                                    std::chrono::milliseconds wait, std::string& error);

} // namespace gloob::lobby
