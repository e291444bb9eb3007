// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "key_bindings.h"

#include "match/keys.h"

#include <algorithm>

namespace gloob {

namespace {

struct UsKey {
    PhysicalKey key;
    std::uint16_t virtualKey;
    const char* name;
};

// A US keyboard as xkb numbers it (evdev), with the desktop's virtual-key codes.
// Sized by its entries: a spare one would be key 0 without a name.
constexpr auto usKeyboard = std::to_array<UsKey>({
    {9, 27, "Esc"},          {10, '1', "1"},
    {11, '2', "2"},          {12, '3', "3"},
    {13, '4', "4"},          {14, '5', "5"},
    {15, '6', "6"},          {16, '7', "7"},
    {17, '8', "8"},          {18, '9', "9"},
    {19, '0', "0"},          {20, 189, "-"},
    {21, 187, "="},          {22, 8, "Backspace"},
    {23, 9, "Tab"},          {24, 'Q', "Q"},
    {25, 'W', "W"},          {26, 'E', "E"},
    {27, 'R', "R"},          {28, 'T', "T"},
    {29, 'Y', "Y"},          {30, 'U', "U"},
    {31, 'I', "I"},          {32, 'O', "O"},
    {33, 'P', "P"},          {34, 219, "["},
    {35, 221, "]"},          {36, 13, "Enter"},
    {37, 17, "Left Ctrl"},   {38, 'A', "A"},
    {39, 'S', "S"},          {40, 'D', "D"},
    {41, 'F', "F"},          {42, 'G', "G"},
    {43, 'H', "H"},          {44, 'J', "J"},
    {45, 'K', "K"},          {46, 'L', "L"},
    {47, 186, ";"},          {48, 222, "'"},
    {49, 192, "`"},          {50, 16, "Left Shift"},
    {51, 220, "\\"},         {52, 'Z', "Z"},
    {53, 'X', "X"},          {54, 'C', "C"},
    {55, 'V', "V"},          {56, 'B', "B"},
    {57, 'N', "N"},          {58, 'M', "M"},
    {59, 188, ","},          {60, 190, "."},
    {61, 191, "/"},          {62, 16, "Right Shift"},
    {64, 18, "Left Alt"},    {65, 32, "Space"},
    {66, 20, "Caps Lock"},   {67, 112, "F1"},
    {68, 113, "F2"},         {69, 114, "F3"},
    {70, 115, "F4"},         {71, 116, "F5"},
    {72, 117, "F6"},         {73, 118, "F7"},
    {74, 119, "F8"},         {75, 120, "F9"},
    {76, 121, "F10"},        {95, 122, "F11"},
    {96, 123, "F12"},        {104, 13, "Keypad Enter"},
    {105, 17, "Right Ctrl"}, {108, 18, "Right Alt"},
    {110, 36, "Home"},       {111, 38, "Up"},
    {112, 33, "Page Up"},    {113, 37, "Left"},
    {114, 39, "Right"},      {115, 35, "End"},
    {116, 40, "Down"},       {117, 34, "Page Down"},
    {118, 45, "Insert"},     {119, 46, "Delete"},
    {127, 19, "Pause"},
});

const UsKey* usKeyAt(PhysicalKey key) {
    const auto* found = std::find_if(usKeyboard.begin(), usKeyboard.end(),
                                     [&](const UsKey& k) { return k.key == key; });
    return found == usKeyboard.end() ? nullptr : found;
}

constexpr std::array<std::uint16_t, 6> ruleCodes{
    static_cast<std::uint16_t>(keys::left), static_cast<std::uint16_t>(keys::right),
    static_cast<std::uint16_t>(keys::up),   static_cast<std::uint16_t>(keys::a),
    static_cast<std::uint16_t>(keys::d),    static_cast<std::uint16_t>(keys::w)};

// Above every virtual-key code, and far from the rules' codes.
constexpr std::uint16_t ownCodesStart = 256;

} // namespace

std::optional<std::uint16_t> usVirtualKey(PhysicalKey key) {
    if (const UsKey* found = usKeyAt(key)) {
        return found->virtualKey;
    }
    return std::nullopt;
}

std::optional<PhysicalKey> usPhysicalKey(std::uint16_t virtualKey) {
    const auto* found = std::find_if(usKeyboard.begin(), usKeyboard.end(),
                                     [&](const UsKey& k) { return k.virtualKey == virtualKey; });
    if (found == usKeyboard.end()) {
        return std::nullopt;
    }
    return found->key;
}

std::string keyName(PhysicalKey key) {
    if (const UsKey* found = usKeyAt(key)) {
        return found->name;
    }
    return "Key " + std::to_string(key);
}

std::size_t KeyBindings::indexOf(PlayerControl control) {
    return static_cast<std::size_t>(std::find(allControls.begin(), allControls.end(), control) -
                                    allControls.begin());
}

std::uint16_t ruleKeyCode(PlayerControl control) {
    return ruleCodes[static_cast<std::size_t>(
        std::find(allControls.begin(), allControls.end(), control) - allControls.begin())];
}

std::optional<PlayerControl> controlOfRuleKey(std::uint16_t keyCode) {
    const auto* found = std::find(ruleCodes.begin(), ruleCodes.end(), keyCode);
    if (found == ruleCodes.end()) {
        return std::nullopt;
    }
    return allControls[static_cast<std::size_t>(found - ruleCodes.begin())];
}

std::string controlName(PlayerControl control) {
    static constexpr std::array<const char*, 3> actions{"Left", "Right", "Jump"};
    return "Player " + std::to_string(control.player) + " " +
           actions[static_cast<std::size_t>(control.action)];
}

std::optional<KeyBindings> KeyBindings::of(const std::array<PhysicalKey, 6>& keys) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (std::find(keys.begin() + static_cast<std::ptrdiff_t>(i) + 1, keys.end(), keys[i]) !=
            keys.end()) {
            return std::nullopt;
        }
    }
    KeyBindings bindings;
    bindings.keys_ = keys;
    return bindings;
}

std::optional<PlayerControl> KeyBindings::controlOf(PhysicalKey key) const {
    const auto found = std::find(keys_.begin(), keys_.end(), key);
    if (found == keys_.end()) {
        return std::nullopt;
    }
    return allControls[static_cast<std::size_t>(found - keys_.begin())];
}

std::optional<PlayerControl> KeyBindings::bind(PlayerControl control, PhysicalKey key) {
    if (const auto holder = controlOf(key); holder && *holder != control) {
        return holder;
    }
    keys_[indexOf(control)] = key;
    return std::nullopt;
}

std::uint16_t KeyBindings::gameKeyCode(PhysicalKey key) const {
    if (const auto control = controlOf(key)) {
        return ruleKeyCode(*control);
    }
    if (const auto virtualKey = usVirtualKey(key);
        virtualKey &&
        std::find(ruleCodes.begin(), ruleCodes.end(), *virtualKey) == ruleCodes.end()) {
        return *virtualKey;
    }
    return static_cast<std::uint16_t>(ownCodesStart + key % (65536 - ownCodesStart));
}

} // namespace gloob
