// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

// The game's sound effects, each made from nothing but sines, noise, envelopes and filters.

#include "synth.h"

#include <array>

namespace sound {

struct Effect {
    const char* name; // file name without ".wav"
    Samples (*make)();
};

Samples serve();
Samples hit();
Samples jumpHit();
Samples wall();
Samples netPost();
Samples netTop();
Samples jump();
Samples point();
Samples gameOver();

constexpr std::array<Effect, 9> effects = {{
    {"serve", serve},
    {"hit", hit},
    {"jump-hit", jumpHit},
    {"wall", wall},
    {"net-post", netPost},
    {"net-top", netTop},
    {"jump", jump},
    {"point", point},
    {"game-over", gameOver},
}};

} // namespace sound
