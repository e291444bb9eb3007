// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace gloob {

// A key by where it sits on the keyboard, not by what it types: the desktop's
// key number (an xkb keycode, as X11 and Wayland report it). Player 2's keys
// stay where A, D and W are on a US keyboard whatever the layout prints on them.
using PhysicalKey = std::uint32_t;

namespace physical {
constexpr PhysicalKey escape = 9;
constexpr PhysicalKey w = 25;
constexpr PhysicalKey a = 38;
constexpr PhysicalKey d = 40;
constexpr PhysicalKey up = 111;
constexpr PhysicalKey left = 113;
constexpr PhysicalKey right = 114;
constexpr PhysicalKey down = 116;
} // namespace physical

// The virtual-key code of the key at this place on a US keyboard.
std::optional<std::uint16_t> usVirtualKey(PhysicalKey key);
// Where a US keyboard has the key with this virtual-key code.
std::optional<PhysicalKey> usPhysicalKey(std::uint16_t virtualKey);
// What a person calls the key: "A", "Left", "F5", "Key 135".
std::string keyName(PhysicalKey key);

enum class PlayerAction { left, right, jump };

struct PlayerControl {
    int player; // 1 or 2
    PlayerAction action;
    bool operator==(const PlayerControl&) const = default;
};

// Every player's controls, player 1's first, in the order a list shows them.
constexpr std::array<PlayerControl, 6> allControls{{{1, PlayerAction::left},
                                                    {1, PlayerAction::right},
                                                    {1, PlayerAction::jump},
                                                    {2, PlayerAction::left},
                                                    {2, PlayerAction::right},
                                                    {2, PlayerAction::jump}}};

// The key code the rules know a control by: 37, 39 and 38 for player 1, 65,
// 68 and 87 for player 2.
std::uint16_t ruleKeyCode(PlayerControl control);
// The control a rule key code stands for, if any.
std::optional<PlayerControl> controlOfRuleKey(std::uint16_t keyCode);
// "Player 2 Jump".
std::string controlName(PlayerControl control);

// Which key plays each control: the arrow keys for player 1 and the keys at
// A, D and W for player 2, unless the players chose others.
class KeyBindings {
public:
    KeyBindings() = default;
    // Keys for every control in the order of allControls; nothing when one
    // key would play two controls.
    static std::optional<KeyBindings> of(const std::array<PhysicalKey, 6>& keys);

    PhysicalKey key(PlayerControl control) const { return keys_[indexOf(control)]; }
    std::optional<PlayerControl> controlOf(PhysicalKey key) const;
    // Binds a control to a key, unless another control has it: then nothing
    // changes and that control is returned.
    std::optional<PlayerControl> bind(PlayerControl control, PhysicalKey key);

    // What the game hears from a key: its control's code when it plays one;
    // else its US virtual-key code, unless that is a control's code (a key
    // moved off a control must not go on playing it); else a code of its own
    // above 255. So keys without a role never share a code.
    std::uint16_t gameKeyCode(PhysicalKey key) const;

    bool operator==(const KeyBindings&) const = default;

private:
    static std::size_t indexOf(PlayerControl control);

    std::array<PhysicalKey, 6> keys_{physical::left, physical::right, physical::up,
                                     physical::a,    physical::d,     physical::w};
};

} // namespace gloob
