// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "landing_memo.h"

#include <cstdint>
#include <functional>

namespace gloob::bot {

std::size_t BallStateHash::operator()(const BallState& ball) const {
    const auto bits = [](float f) { return std::hash<float>{}(f); };
    std::size_t h = bits(ball.left) * 31 + bits(ball.top);
    for (const std::int16_t v : {ball.speedX, ball.speedY, ball.arcRunning, ball.arcLimit}) {
        h = h * 31 + static_cast<std::uint16_t>(v);
    }
    return h;
}

} // namespace gloob::bot
