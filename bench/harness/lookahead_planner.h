// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "bot/lookahead.h"
#include "reference_players.h"

#include <cstddef>
#include <cstdint>

namespace gloob::ladder {

// How far a deep search gets against the reference opponents: a planner that,
// at the serve and whenever the opponent touches the ball, plays each of its
// plans to the end of the point on a copy of the match (or of the court, as a
// player sees it), against its own model of a person (the returner, reacting as
// a person does), and follows the plan that wins soonest or loses latest. The
// real opponent may be the jumper, and react sooner or later than the model, so
// the model is wrong by that much. On what a player sees it is the search of
// the game's Hard players (bot/lookahead.h), here with the returner for their
// model of a person; on copies of the whole match, and two or three touches
// deep, it is far too slow for the game's heartbeat.

// A rally longer than this many main ticks is a stalemate and ends the match.
constexpr int lookaheadRallyCap = 20000;

struct LookaheadResult {
    int points[2] = {0, 0}; // the planner's, the opponent's
    bool stalled = false;
    int plans = 0;
    double planSeconds = 0;
    std::int64_t heartbeats = 0;
};

using bot::LineSearch;

// A match to 5 between the planner on its side and a reference opponent that
// reacts after this many heartbeats; player 1 serves every point. With more
// touches, each plan branches into every plan again at the opponent's next
// touch, that many times: a search that many of the planner's touches deep.
// The search may add random lines, and follows a line that wins.
LookaheadResult playLookaheadMatch(int plannerSide, Reference opponent, std::size_t reaction,
                                   int touches = 1, LineSearch search = {});
// The same with the planner playing on what a player sees, as the game's
// computer players do, on their copy of the court; the seed draws its
// random lines.
LookaheadResult playVisibleLookaheadMatch(int plannerSide, Reference opponent, std::size_t reaction,
                                          LineSearch search = {}, std::uint32_t seed = 1);

} // namespace gloob::ladder
