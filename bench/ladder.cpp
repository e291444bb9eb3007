// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The computer players' ladder: seeded matches between every pairing of
// strengths, each strength on each side and against an idle side, with a
// table of how they fared.
#include "bot/bot_match.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using gloob::bot::BotStrength;
using gloob::bot::ComputerPlayer;

struct Pairing {
    std::optional<BotStrength> player1;
    std::optional<BotStrength> player2;
};

struct Tally {
    int matches = 0;
    int wins[2] = {0, 0};
    int points[2] = {0, 0};
    int rallies = 0;
    long touches = 0;
    long netTopBounces = 0;
    int servesTouched = 0;
    int returnsTouched = 0;
    int capped = 0;
    std::int64_t decisions = 0;
    double decisionSeconds = 0;
};

std::string nameOf(const std::optional<BotStrength>& strength) {
    return strength ? std::string(gloob::bot::nameOf(*strength)) : "idle";
}

Tally play(const Pairing& pairing, int matches) {
    Tally tally;
    for (int match = 0; match < matches; ++match) {
        const auto seed = static_cast<std::uint32_t>(7919 * match + 17);
        std::optional<ComputerPlayer> one, two;
        if (pairing.player1) {
            one.emplace(1, *pairing.player1, seed);
        }
        if (pairing.player2) {
            two.emplace(2, *pairing.player2, seed + 1);
        }
        const auto record = gloob::bot::playMatch(one ? &*one : nullptr, two ? &*two : nullptr);
        ++tally.matches;
        tally.decisions += record.decisions;
        tally.decisionSeconds += record.decisionSeconds;
        if (record.capped) {
            ++tally.capped;
            continue;
        }
        ++tally.wins[record.player1Score > record.player2Score ? 0 : 1];
        tally.points[0] += record.player1Score;
        tally.points[1] += record.player2Score;
        for (const auto& rally : record.rallies) {
            ++tally.rallies;
            tally.touches += rally.touches[0] + rally.touches[1];
            tally.netTopBounces += rally.netTopBounces;
            tally.servesTouched += rally.touches[0] > 0 ? 1 : 0;
            tally.returnsTouched += rally.touches[1] > 0 ? 1 : 0;
        }
    }
    return tally;
}

double percent(long part, long whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

double per(long part, long whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    const int matches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::vector<std::optional<BotStrength>> sides{BotStrength::easy, BotStrength::normal,
                                                        BotStrength::hard, std::nullopt};
    std::printf("Gloob Volleyball ladder: %d matches to 5 points per pairing\n\n", matches);
    const int cap = gloob::bot::MatchOptions{}.rallyTickCap;
    std::int64_t decisions = 0;
    double decisionSeconds = 0;
    std::printf("%-7s %-7s %6s %6s %6s %6s %8s %8s %7s %7s %6s\n", "P1", "P2", "P1 win", "P2 win",
                "P1 pts", "P2 pts", "touches", "net-top", "served", "return", "capped");
    for (const auto& first : sides) {
        for (const auto& second : sides) {
            if (!first && !second) {
                continue;
            }
            const Tally t = play({first, second}, matches);
            decisions += t.decisions;
            decisionSeconds += t.decisionSeconds;
            const int played = t.matches - t.capped;
            std::printf("%-7s %-7s %5.1f%% %5.1f%% %6.2f %6.2f %8.2f %8.2f %6.1f%% %6.1f%% %6d\n",
                        nameOf(first).c_str(), nameOf(second).c_str(), percent(t.wins[0], played),
                        percent(t.wins[1], played), per(t.points[0], played),
                        per(t.points[1], played), per(t.touches, t.rallies),
                        per(t.netTopBounces, t.rallies), percent(t.servesTouched, t.rallies),
                        percent(t.returnsTouched, t.rallies), t.capped);
            std::fflush(stdout);
        }
    }
    std::printf(
        "\nP1/P2 win: share of the matches played out (capped ones left aside).\n"
        "P1/P2 pts: points per match.\n"
        "touches: player touches per rally, both sides together; a touch is a run of\n"
        "  player contacts in consecutive main ticks. Bounces on the top of the net are\n"
        "  not touches; net-top gives them per rally.\n"
        "served: rallies in which player 1 touched the serve (it always starts above\n"
        "  player 1). return: rallies in which player 2 then touched the ball.\n"
        "capped: matches abandoned because a rally passed %d main ticks (about %d minutes).\n",
        cap, cap * 15625 / 60'000'000);
    std::printf("\nA decision took %.2f us of wall-clock time on average over %lld heartbeats\n"
                "of computer players (gloob_bench times it on the processor alone).\n",
                decisions > 0 ? 1e6 * decisionSeconds / static_cast<double>(decisions) : 0.0,
                static_cast<long long>(decisions));
    return 0;
}
