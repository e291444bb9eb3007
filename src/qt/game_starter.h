// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <optional>

namespace gloob {

class Engine;
class FrontEnd;

// Whose new game the window starts: the players' own at this keyboard, or
// the online match's. A replay has none.
class GameStarter {
public:
    virtual ~GameStarter() = default;

    // What the game runs through.
    virtual FrontEnd& frontEnd() = 0;
    // Before the game's first handler.
    virtual void prepare(Engine& engine) = 0;
    // After it: the game's first commands. Returns how much later than now
    // the game's first heartbeat is due, if the game sets its own start.
    virtual std::optional<std::int64_t> begin(Engine& engine) = 0;
    // The online match is traced and recorded when the command line asked
    // for it; other games by the window's own rule.
    virtual bool isOnlineMatch() const = 0;
};

} // namespace gloob
