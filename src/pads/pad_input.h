// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/game_event.h"

#include <array>
#include <memory>
#include <vector>

namespace gloob {

// Game pads as more keyboards: the first pad plays player 1 and the second
// player 2 (or the other way round). A pad speaks in the rules' key codes, so
// the rules, recordings and held keys treat it like keys: the d-pad and the
// left stick walk, the south button jumps. Pads may come and go at any time;
// one that goes lets go of whatever it held. Without pads, or without SDL,
// there is nothing to hear and nothing is said.
class PadInput {
public:
    PadInput();
    ~PadInput();
    PadInput(const PadInput&) = delete;
    PadInput& operator=(const PadInput&) = delete;

    // Whether pads can be read at all.
    bool available() const;
    void setSwapped(bool swapped);
    // The key events of what changed on the pads since the last poll.
    std::vector<GameEvent> poll();

    struct Pads; // what SDL holds
private:
    std::unique_ptr<Pads> pads_;
};

} // namespace gloob
