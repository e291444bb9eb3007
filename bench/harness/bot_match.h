// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "bot/computer_player.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace gloob::bot {

// One rally as it was played.
struct RallyRecord {
    int scorer = 0; // 1 or 2; 0 if the rally was cut off at the cap
    int mainTicks = 0;
    // Touches by player 1 and player 2: a touch is a run of player contacts
    // in consecutive main ticks. Bounces on the top of the net are counted apart.
    int touches[2] = {0, 0};
    int netTopBounces = 0;
    int lastToucher = 0; // 1 or 2; 0 if nobody touched the ball
    int server = 1;
};

struct MatchRecord {
    int player1Score = 0;
    int player2Score = 0;
    // A rally ran into the cap on main ticks and the match was abandoned.
    bool capped = false;
    std::vector<RallyRecord> rallies;
    // How many decisions the computer players made, and the time they took.
    std::int64_t decisions = 0;
    double decisionSeconds = 0;
};

struct MatchOptions {
    int ballsPerGame = 5; // 3, 5 or 8
    ServeRule serve = ServeRule::player1;
    int rallyTickCap = 20000;
    // Sees every decision: the side, what its computer player was shown and
    // the keys it handed over.
    std::function<void(int side, const Scene& scene, const MatchState& state,
                       const std::vector<KeyEvent>& keys)>
        decisionWatcher;
};

// Plays one match on the game's engine, each side a computer player (the
// game's own, a reference opponent or a program of the player's) or idle
// (nullptr), as gloob-sim would play a script that puts them on their sides
// and presses Play!: at every heartbeat player 1's computer player decides
// and its keys are handed to the rules, then player 2's, then the timers
// fire; they hold their keys through anyone's release; the pause after a
// point passes without them.
MatchRecord playMatch(Autopilot* player1, Autopilot* player2, const MatchOptions& options = {});

} // namespace gloob::bot
