// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <string_view>

namespace gloob::messages {

// The title of both message boxes.
constexpr std::string_view title = "Gloob Volleyball";

constexpr std::string_view instructions =
    "Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, "
    "you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to "
    "control his gloob. Player 2 use W,A,S, and D to control his gloob";

constexpr std::string_view about =
    "Gloob Volleyball\nA volleyball game for two players at one keyboard.";

} // namespace gloob::messages
