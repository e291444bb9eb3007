// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/auto_repeat_filter.h"
#include "match/match_state.h"
#include "scene/scene.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gloob::program {

// The line protocol between the game and a program of the player's own.
//
// The game writes one line a heartbeat with what a player sees:
//   {"t":2031250,"side":1,"ball":[9305,1150,65,70],"p1":[8280,5520,0,0],
//    "p2":[2160,5520,150,-1],"score":[0,0],"play":1}
// t: the game's time in microseconds; side: the player the program plays;
// ball: Left, Top, horizontal and vertical step; p1, p2: each player's body
// Left, Top, horizontal step and whether it is jumping (-1 or 0); score:
// player 1's and player 2's points; play: 1 while the ball is in play.
// Positions are in twips (15 a pixel) on a court of 11265 x 7095.
//
// The program answers each line with one line of its keys: words separated
// by blanks, each "+" (press) or "-" (release) and left, right or jump, in
// the order they happen; an empty line changes nothing. "+left", "-left +jump".

// Longest answer taken; anything longer is no answer.
constexpr std::size_t maxAnswerBytes = 256;

std::string sightLine(std::int64_t micros, int side, const Scene& scene, const MatchState& state);

// The side's key events an answer stands for, or why it is no answer.
std::variant<std::vector<KeyEvent>, std::string> parseAnswer(std::string_view line, int side);

} // namespace gloob::program
