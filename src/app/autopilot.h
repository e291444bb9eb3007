// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_event.h"
#include "match/match_state.h"
#include "scene/scene.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gloob {

// A side the game plays itself: shown the court at every heartbeat of the
// main loop, it answers with key events of its own side's keys, handed to
// the rules like anyone's. It never writes the game's state.
class Autopilot {
public:
    virtual ~Autopilot() = default;
    virtual std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) = 0;
};

// Makes the computer player for a side; the engine knows none of its own.
using AutopilotMaker =
    std::function<std::unique_ptr<Autopilot>(int side, BotStrength strength, std::uint32_t seed)>;
// Makes the player for a side that a program of the player's own plays,
// from its command line.
using ProgramMaker =
    std::function<std::unique_ptr<Autopilot>(int side, const std::string& command)>;

} // namespace gloob
