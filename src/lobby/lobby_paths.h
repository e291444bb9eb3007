// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby_text.h"
#include "traversal/connectivity_checks.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gloob::net {
class Link;
}

// The way between two players the lobby introduced: their candidates as
// the introductions carry them, and the checks that find the path.
namespace gloob::lobby {

// At most maxCandidates, in the order gathered.
std::vector<Candidate> toLobby(const std::vector<traversal::Candidate>& candidates);
// The ones that can be probed (a port, an IPv4 address), each with the
// way this machine would reach it, or as the other's router forwarding.
std::vector<traversal::Candidate> fromLobby(const std::vector<Candidate>& candidates);

// Probes the other player's candidates with the match's secret until one
// answers or `limit` passes, running `alongside` meanwhile; a line for the
// player either way in `told`.
std::optional<traversal::ConnectivityChecks::Found>
findPath(net::Link& link, const std::string& secret, const std::vector<Candidate>& theirs,
         std::chrono::milliseconds limit, const std::function<void()>& alongside,
         std::string& told);

} // namespace gloob::lobby
