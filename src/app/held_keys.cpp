// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "held_keys.h"

#include "key_bindings.h"

#include <algorithm>

namespace gloob {

namespace {
bool isDirectionKey(std::uint16_t keyCode) {
    const auto control = controlOfRuleKey(keyCode);
    return control && control->action != PlayerAction::jump;
}
} // namespace

void HeldKeys::heard(const GameEvent& event) {
    switch (event.kind) {
    case EventKind::keyDown:
        if (isDirectionKey(event.keyCode)) {
            std::erase(held_, event.keyCode);
            held_.push_back(event.keyCode);
        }
        break;
    case EventKind::keyUp:
        std::erase(held_, event.keyCode);
        break;
    case EventKind::focusOut:
        held_.clear();
        break;
    default:
        break;
    }
}

} // namespace gloob
