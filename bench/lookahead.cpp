// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The lookahead planner against the reference opponents, on both sides, with
// the opponents reacting sooner and later than the planner's model of them:
// first playing out copies of the whole match, then on what a player sees.
// With --touches N, only the first table, each plan branching into every
// plan again at the opponent's next touch, N - 1 times. With --random N, the
// planner also plays out N lines of random aims at each choice, with
// --remember draws half their aims near those of random lines that won
// before, and with --first-safe plays the grid past the serve only until an
// aim keeps the rally going; with --seeds K as well, only the planner on
// what a player sees, against both opponents reacting as the ladder's do,
// once for each of K seeds of its random lines.
//
//   gloob_lookahead [--touches N | --random N [--remember] [--first-safe] [--seeds K]]
#include "lookahead_planner.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace ladder = gloob::ladder;
using ladder::LookaheadResult;
using ladder::Reference;

namespace {

constexpr const char* usage =
    "usage: gloob_lookahead [--touches N | --random N [--remember] [--first-safe] [--seeds K]]\n";

// The matches played so far: how many the planner won, and what its plans cost.
struct Tally {
    int matches = 0;
    int won = 0;
    int plans = 0;
    double planSeconds = 0;
    std::int64_t heartbeats = 0;

    // Prints the match's score and counts it.
    void add(const LookaheadResult& r) {
        std::printf(" %4d-%d%s", r.points[0], r.points[1], r.stalled ? " st" : "   ");
        std::fflush(stdout);
        ++matches;
        won += !r.stalled && r.points[0] > r.points[1] ? 1 : 0;
        plans += r.plans;
        planSeconds += r.planSeconds;
        heartbeats += r.heartbeats;
    }
    void print() const {
        std::printf("\n%d of %d won. A plan took %.1f ms on average over %d plans: %.0f us a\n"
                    "heartbeat of the %lld heartbeats played.\n\n",
                    won, matches, plans > 0 ? 1e3 * planSeconds / plans : 0.0, plans,
                    heartbeats > 0 ? 1e6 * planSeconds / static_cast<double>(heartbeats) : 0.0,
                    static_cast<long long>(heartbeats));
    }
};

void printTable(const char* title,
                const std::function<LookaheadResult(int, Reference, std::size_t)>& play) {
    std::printf("%s\n\n%-9s %-8s", title, "opponent", "planner");
    const std::size_t reactions[] = {6, 9, 12, 16, 24};
    for (const std::size_t reaction : reactions) {
        std::printf(" %9zu", reaction);
    }
    std::printf("\n");
    Tally tally;
    for (const Reference kind : {Reference::returner, Reference::jumper}) {
        for (const int side : {1, 2}) {
            std::printf("%-9s %-8s", std::string(ladder::nameOf(kind)).c_str(),
                        side == 1 ? "P1" : "P2");
            for (const std::size_t reaction : reactions) {
                tally.add(play(side, kind, reaction));
            }
            std::printf("\n");
        }
    }
    tally.print();
}

std::string described(ladder::LineSearch search) {
    return std::to_string(search.randomLines) + " random lines a choice" +
           (search.rememberWins ? ", remembering wins" : "") +
           (search.firstSafeAim ? ", the grid past the serve up to its first safe aim" : "");
}

// The planner on what a player sees, with random lines drawn from each seed,
// against both reference opponents at the ladder's reaction, on both sides.
void printSeeds(ladder::LineSearch search, int seeds) {
    std::printf("On what a player sees, with %s, against opponents\n"
                "reacting after %zu heartbeats, for each seed of the random lines; the\n"
                "planner's score first, st a stalemate:\n\n%-6s",
                described(search).c_str(), ladder::personsReaction, "seed");
    for (const Reference kind : {Reference::returner, Reference::jumper}) {
        for (const int side : {1, 2}) {
            std::printf(" %9s P%d", std::string(ladder::nameOf(kind)).c_str(), side);
        }
    }
    std::printf("\n");
    Tally tally;
    for (int seed = 1; seed <= seeds; ++seed) {
        std::printf("%-6d", seed);
        for (const Reference kind : {Reference::returner, Reference::jumper}) {
            for (const int side : {1, 2}) {
                std::printf("   ");
                tally.add(ladder::playVisibleLookaheadMatch(
                    side, kind, ladder::personsReaction, search, static_cast<std::uint32_t>(seed)));
            }
        }
        std::printf("\n");
    }
    tally.print();
}

} // namespace

int main(int argc, char** argv) {
    int touches = 1;
    ladder::LineSearch search;
    int seeds = 0;
    // The number after an option's name, or 0 if it is not there or not one.
    const auto count = [&](int at, const char* name) {
        return at + 1 < argc && std::strcmp(argv[at], name) == 0
                   ? std::max(0, std::atoi(argv[at + 1]))
                   : 0;
    };
    int at = 1;
    if (const int deep = count(at, "--touches"); deep > 0) {
        touches = deep;
        at += 2;
    } else if ((search.randomLines = count(at, "--random")) > 0) {
        at += 2;
        const auto flag = [&](const char* name) {
            const bool given = at < argc && std::strcmp(argv[at], name) == 0;
            at += given ? 1 : 0;
            return given;
        };
        search.rememberWins = flag("--remember");
        search.firstSafeAim = flag("--first-safe");
        if ((seeds = count(at, "--seeds")) > 0) {
            at += 2;
        }
    }
    if (at != argc) {
        std::fputs(usage, stderr);
        return 2;
    }
    if (seeds > 0) {
        printSeeds(search, seeds);
        return 0;
    }
    std::printf("A planner that plays each point out against its model of a person (the\n"
                "returner, reacting after %zu heartbeats), against the reference opponents\n"
                "reacting after as many heartbeats as the column says; one match to 5 each.\n"
                "P1 serves every point. Scores are the planner's first; st: a rally passed\n"
                "%d main ticks and the match was stopped there.\n\n",
                ladder::personsReaction, ladder::lookaheadRallyCap);
    if (touches > 1) {
        const std::string title =
            "On copies of the whole match, " + std::to_string(touches) + " touches deep:";
        printTable(title.c_str(), [touches](int side, Reference kind, std::size_t reaction) {
            return ladder::playLookaheadMatch(side, kind, reaction, touches);
        });
        return 0;
    }
    const std::string lines = search.randomLines > 0 ? ", with " + described(search) : "";
    printTable(("On copies of the whole match" + lines + ":").c_str(),
               [search](int side, Reference kind, std::size_t reaction) {
                   return ladder::playLookaheadMatch(side, kind, reaction, 1, search);
               });
    printTable(("On what a player sees" + lines + ":").c_str(),
               [search](int side, Reference kind, std::size_t reaction) {
                   return ladder::playVisibleLookaheadMatch(side, kind, reaction, search);
               });
    return 0;
}
