#pragma once

#include <Qt>

#include <cstdint>

namespace gloob {

// The game speaks in the desktop's virtual-key codes; Qt names keys its own
// way. Keys the game has no code for come out as 0, and their releases still
// count as releases.
std::int16_t virtualKeyOf(int qtKey);

// Shift 1, Control 2, Alt 4, as the key handlers receive it.
std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers);

// The players' walking and jumping keys. These belong to the game alone: a
// focused button must never move the focus on an arrow key.
bool isPlayerKey(std::int16_t virtualKey);

} // namespace gloob
