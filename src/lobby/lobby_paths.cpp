// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_paths.h"

namespace gloob::lobby {

std::vector<Candidate> toLobby(const std::vector<traversal::Candidate>& candidates) {
    std::vector<Candidate> out;
    for (const traversal::Candidate& c : candidates) {
        if (out.size() < maxCandidates) {
            out.push_back({traversal::toString(c.where, false), c.where.port,
                           c.path == traversal::Path::upnp, c.path == traversal::Path::relay});
        }
    }
    return out;
}

std::vector<traversal::Candidate> fromLobby(const std::vector<Candidate>& candidates) {
    std::vector<traversal::Candidate> out;
    for (const Candidate& c : candidates) {
        const auto where = traversal::parseEndpoint(c.address, c.port);
        if (where && c.port != 0) {
            out.push_back({*where, c.relayed     ? traversal::Path::relay
                                   : c.forwarded ? traversal::Path::upnp
                                                 : traversal::pathTo(where->address)});
        }
    }
    return out;
}

std::optional<traversal::ConnectivityChecks::Found>
findPath(net::Link& link, const std::string& secret, const std::vector<Candidate>& theirs,
         std::chrono::milliseconds limit, const std::function<void()>& alongside,
         std::string& told) {
    const auto bytes = traversal::secretFromHex(secret);
    const std::vector<traversal::Candidate> candidates = fromLobby(theirs);
    std::optional<traversal::ConnectivityChecks::Found> found;
    if (bytes && !candidates.empty()) {
        traversal::ConnectivityChecks checks(link, *bytes, candidates);
        found = checks.run(limit, alongside);
    }
    if (found) {
        told = "reached by " + std::string(traversal::describe(found->candidate.path)) + " at " +
               traversal::toString(found->candidate.where) + " in " +
               std::to_string(found->took.count()) + " ms";
        return found;
    }
    told = "no answer within " + std::to_string(limit.count()) + " ms from";
    for (const traversal::Candidate& c : candidates) {
        told += " " + traversal::toString(c.where) + " (" +
                std::string(traversal::describe(c.path)) + ")";
    }
    if (candidates.empty()) {
        told += " anywhere: no address was given";
    }
    return std::nullopt;
}

} // namespace gloob::lobby
