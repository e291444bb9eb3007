// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"

#include <string_view>

namespace gloob::bot {

using gloob::BotStrength;

// Everything that sets the strengths apart. The brain is the same; only how
// late it sees, how well it aims and how often it jumps change.
struct StrengthProfile {
    // It acts on what it saw this many heartbeats ago.
    int reactionDelay;
    // Spread (twips) of the error in where it stands to meet the ball.
    double aimError;
    // Chance that it looks for a jumping attack on a ball it can reach.
    double jumpChance;
    // Chance that it looks for a shot the opponent cannot return.
    double winnerChance;
    // Lines of random aims it plays out to the end of the point at each of
    // the opponent's touches, beside a grid of aims; 0: it plays shot by
    // shot instead. A strength that searches uses only its reaction besides:
    // where it stands and when it jumps come from the lines it plays out.
    int lookaheadLines = 0;
};

StrengthProfile profileOf(BotStrength strength);
std::string_view nameOf(BotStrength strength);

} // namespace gloob::bot
