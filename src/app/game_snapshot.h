// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_event.h"
#include "match/match_state.h"
#include "scene/scene.h"

#include <array>
#include <cstdint>
#include <vector>

namespace gloob {

// Every value that decides the future of a game, taken between two steps of
// the main loop: the court, the match state, when each timer is due next,
// the input waiting for the next delivery point and the keys held. The drawn
// picture is made from these, never kept. Computer players keep memories of
// their own, which it does not hold; they never play online.
struct GameSnapshot {
    std::int64_t micros = 0;
    Scene scene;
    MatchState state;
    ServeState serve;
    std::array<std::int64_t, timerCount> timersDue{};
    std::vector<GameEvent> pending;
    std::vector<std::uint16_t> heldKeys;
    std::array<bool, 2> heldKeysOn{};
    bool ended = false;

    bool operator==(const GameSnapshot&) const = default;

    // What two machines compare to know they play the same game: 64 bits of
    // FNV-1a over every value above.
    std::uint64_t digest() const;
};

} // namespace gloob
