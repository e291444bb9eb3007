// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob {

// A colour as the game compares it: 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour bgr(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

namespace colours {
constexpr Colour white = bgr(255, 255, 255);
constexpr Colour black = bgr(0, 0, 0);
constexpr Colour red = bgr(255, 0, 0);        // the ball
constexpr Colour blue = bgr(0, 0, 255);       // player 1's body
constexpr Colour green = bgr(0, 192, 0);      // player 2's body
constexpr Colour darkGreen = bgr(0, 128, 0);  // ceiling, left floor strip
constexpr Colour mediumBlue = bgr(0, 0, 192); // right ceiling part, right floor strip
constexpr Colour navy = bgr(0, 0, 128);       // right wall, right net post
constexpr Colour teal = bgr(0, 128, 128);     // left wall, left net post
constexpr Colour outsideWindow = 0xFFFFFFFFu; // answer for a point off the client area
} // namespace colours

// 0x00BBGGRR to the 0x00RRGGBB layout of a framebuffer pixel, and back.
constexpr std::uint32_t toRgb(Colour c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr Colour fromRgb(std::uint32_t rgb) {
    return ((rgb >> 16) & 0xFFu) | (rgb & 0xFF00u) | ((rgb & 0xFFu) << 16);
}

} // namespace gloob
