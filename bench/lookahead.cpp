// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The lookahead planner against the reference opponents, on both sides, with
// the opponents reacting sooner and later than the planner's model of them.
//
//   gloob_lookahead
#include "lookahead_planner.h"

#include <cstdio>
#include <string>

namespace ladder = gloob::ladder;
using ladder::Reference;

int main() {
    std::printf("A planner that plays each point out against its model of a person (the\n"
                "returner, reacting after %zu heartbeats), against the reference opponents\n"
                "reacting after as many heartbeats as the column says; one match to 5 each.\n\n",
                ladder::personsReaction);
    std::printf("%-9s %-8s", "opponent", "planner");
    const std::size_t reactions[] = {6, 9, 12, 16, 24};
    for (const std::size_t reaction : reactions) {
        std::printf(" %9zu", reaction);
    }
    std::printf("\n");
    int plans = 0;
    double planSeconds = 0;
    std::int64_t heartbeats = 0;
    for (const Reference kind : {Reference::returner, Reference::jumper}) {
        for (const int side : {1, 2}) {
            std::printf("%-9s %-8s", std::string(ladder::nameOf(kind)).c_str(),
                        side == 1 ? "P1" : "P2");
            for (const std::size_t reaction : reactions) {
                const ladder::LookaheadResult r = ladder::playLookaheadMatch(side, kind, reaction);
                std::printf(" %4d-%d%s", r.points[0], r.points[1], r.stalled ? " st" : "   ");
                std::fflush(stdout);
                plans += r.plans;
                planSeconds += r.planSeconds;
                heartbeats += r.heartbeats;
            }
            std::printf("\n");
        }
    }
    std::printf("\nP1 serves every point. Scores are the planner's first; st: a rally passed\n"
                "%d main ticks and the match was stopped there.\n"
                "A plan took %.1f ms on average over %d plans: %.0f us a heartbeat of the\n"
                "%lld heartbeats played.\n",
                ladder::lookaheadRallyCap, plans > 0 ? 1e3 * planSeconds / plans : 0.0, plans,
                heartbeats > 0 ? 1e6 * planSeconds / static_cast<double>(heartbeats) : 0.0,
                static_cast<long long>(heartbeats));
    return 0;
}
