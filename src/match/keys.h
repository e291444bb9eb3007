// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob::keys {

// Virtual-key codes of the players' keys.
constexpr std::int16_t left = 37;
constexpr std::int16_t up = 38;
constexpr std::int16_t right = 39;
constexpr std::int16_t a = 65;
constexpr std::int16_t d = 68;
constexpr std::int16_t w = 87;

} // namespace gloob::keys
