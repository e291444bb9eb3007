// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "online_run.h"
#include "script/script.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace gloob::sim {

// Meets the other player in the lobby, then plays the script's side of the
// match as --host or --join would: offering, this machine hosts and plays
// player 1 with the first player who joins; meeting, it joins the match
// `other` offers and plays player 2. The lobby's lines go to `errors`.
// Returns gloob-sim's exit status.
int runLobby(const LobbyOptions& lobby, bool paced, const std::vector<ScriptEvent>& events,
             std::ostream& trace, std::ostream& errors, const std::string& recordPath);

} // namespace gloob::sim
