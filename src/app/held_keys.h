// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_event.h"

#include <cstdint>
#include <vector>

namespace gloob {

// The direction keys held down, oldest first, as the game has heard them: a
// key-down holds its key (and makes it the latest), a key-up lets it go, and
// the keyboard leaving the window lets every key go.
class HeldKeys {
public:
    void heard(const GameEvent& event);
    const std::vector<std::uint16_t>& held() const { return held_; }
    void restore(std::vector<std::uint16_t> held) { held_ = std::move(held); }

private:
    std::vector<std::uint16_t> held_;
};

} // namespace gloob
