// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/key_bindings.h"

#include <Qt>

#include <cstdint>

class QKeyEvent;

namespace gloob {

// The game speaks in the desktop's virtual-key codes; Qt names keys its own
// way. Keys the game has no code for come out as 0, and their releases still
// count as releases.
std::int16_t virtualKeyOf(int qtKey);

// Shift 1, Control 2, Alt 4, as the key handlers receive it.
std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);

// Where the key sits on the keyboard. Key events made by a program carry no
// key number; they are placed where a US keyboard has their key.
PhysicalKey physicalKeyOf(const QKeyEvent& event);

// The players' controls and the arrow keys belong to the game alone: a
// focused button must never take them (an arrow would move the focus to Exit).
bool keepFromButtons(int qtKey, std::uint16_t gameKeyCode);

} // namespace gloob
