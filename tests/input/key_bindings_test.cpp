// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/key_bindings.h"

#include <gtest/gtest.h>

namespace gloob {
namespace {

constexpr PlayerControl player1Left{1, PlayerAction::left};
constexpr PlayerControl player2Jump{2, PlayerAction::jump};
constexpr PhysicalKey j = 44;

TEST(KeyBindings, AKeyPlaysOneControlOnly) {
    KeyBindings keys;
    EXPECT_EQ(keys.bind(player1Left, physical::w), player2Jump) << "W already jumps for player 2";
    EXPECT_EQ(keys.key(player1Left), physical::left) << "nothing changed";
    EXPECT_EQ(keys.bind(player1Left, physical::left), std::nullopt) << "its own key again";
    EXPECT_FALSE(KeyBindings::of({j, j, physical::up, physical::a, physical::d, physical::w}));
}

// A key moved off a control must stop playing it, even though it still
// types the control's letter on a US keyboard.
TEST(KeyBindings, AKeyMovedOffAControlNoLongerPlaysIt) {
    KeyBindings keys;
    ASSERT_EQ(keys.bind(player2Jump, j), std::nullopt);
    EXPECT_EQ(keys.gameKeyCode(j), 87);
    EXPECT_NE(keys.gameKeyCode(physical::w), 87);
    EXPECT_GT(keys.gameKeyCode(physical::w), 255);
    EXPECT_EQ(keys.gameKeyCode(physical::a), 65) << "the others stay";
}

TEST(KeyBindings, NamesReadAsOnTheKeys) {
    EXPECT_EQ(keyName(physical::a), "A");
    EXPECT_EQ(keyName(physical::left), "Left");
    EXPECT_EQ(keyName(200), "Key 200");
    EXPECT_EQ(keyName(0), "Key 0") << "no key of the US keyboard is numbered 0";
    EXPECT_EQ(controlName(player2Jump), "Player 2 Jump");
}

} // namespace
} // namespace gloob
