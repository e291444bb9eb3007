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

} // namespace gloob::bot
