// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"

#include <cstdint>
#include <vector>

namespace gloob::bot {

// The direction key a player holds down, as a person does: pressed to walk,
// released to stop or to turn, and pressed again, as a key's repeat would,
// when something stopped the body while it was held.
class DirectionKey {
public:
    // Wanted is the key to hold now, 0 for none.
    void hold(std::int16_t wanted, bool bodyStopped, std::vector<KeyEvent>& keys) {
        if (wanted == held_ && (wanted == 0 || !bodyStopped)) {
            return;
        }
        if (held_ != 0 && held_ != wanted) {
            keys.push_back({false, held_, 0});
        }
        if (wanted != 0) {
            keys.push_back({true, wanted, 0});
        }
        held_ = wanted;
    }
    void letGo(std::vector<KeyEvent>& keys) { hold(0, false, keys); }

private:
    std::int16_t held_ = 0;
};

} // namespace gloob::bot
