// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "sighting.h"

#include <cstddef>
#include <unordered_map>

namespace gloob::bot {

struct BallStateHash {
    std::size_t operator()(const BallState& ball) const;
};

// Where a player judged balls to come down, by the ball as it was seen: the
// judgement depends on nothing else, so copies of one player that watch the
// same flights, as a planner's models do, judge each ball once.
using LandingMemo = std::unordered_map<BallState, float, BallStateHash>;

// Where a ball was judged to come down: from the memo if it holds the ball,
// else judged now and kept there; without a memo, judged every time.
template <typename Judge>
float judgedOnce(LandingMemo* memo, const BallState& ball, const Judge& judge) {
    if (memo == nullptr) {
        return judge();
    }
    if (const auto judged = memo->find(ball); judged != memo->end()) {
        return judged->second;
    }
    const float target = judge();
    memo->emplace(ball, target);
    return target;
}

} // namespace gloob::bot
