// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The computer players' ladder: seeded matches between every pairing of
// strengths, each strength on each side and against an idle side, then each
// strength against the reference opponents and any programs named, with a
// table of how they fared.
//
//   gloob_ladder [MATCHES] [--program COMMAND]... [--only WORD]
//
// `--only serve` plays only the table of who serves.
#include "bot_match.h"
#include "program/program_player.h"
#include "reference_players.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

using gloob::Autopilot;
using gloob::bot::BotStrength;
using gloob::bot::ComputerPlayer;
using gloob::ladder::Reference;
using gloob::ladder::ReferencePlayer;

struct Idle {};
struct Program {
    std::string command;
};
using Contestant = std::variant<Idle, BotStrength, Reference, Program>;

std::string nameOf(const Contestant& contestant) {
    if (const auto* strength = std::get_if<BotStrength>(&contestant)) {
        return std::string(gloob::bot::nameOf(*strength));
    }
    if (const auto* reference = std::get_if<Reference>(&contestant)) {
        return std::string(gloob::ladder::nameOf(*reference));
    }
    if (const auto* program = std::get_if<Program>(&contestant)) {
        return program->command;
    }
    return "idle";
}

std::unique_ptr<Autopilot> playerFor(const Contestant& contestant, int side, std::uint32_t seed) {
    if (const auto* strength = std::get_if<BotStrength>(&contestant)) {
        return std::make_unique<ComputerPlayer>(side, *strength, seed);
    }
    if (const auto* reference = std::get_if<Reference>(&contestant)) {
        return std::make_unique<ReferencePlayer>(side, *reference);
    }
    if (const auto* program = std::get_if<Program>(&contestant)) {
        return std::make_unique<gloob::program::ProgramPlayer>(
            side, program->command, [] { return std::int64_t{0}; },
            [](const std::string& message) { std::fprintf(stderr, "%s\n", message.c_str()); });
    }
    return nullptr;
}

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
    // Rallies each player served, and of those the ones the server won.
    int served[2] = {0, 0};
    int serverWon[2] = {0, 0};
    std::int64_t decisions = 0;
    double decisionSeconds = 0;
};

Tally play(const Contestant& first, const Contestant& second, int matches,
           gloob::ServeRule serve = gloob::ServeRule::player1) {
    Tally tally;
    gloob::bot::MatchOptions options;
    options.serve = serve;
    for (int match = 0; match < matches; ++match) {
        const auto seed = static_cast<std::uint32_t>(7919 * match + 17);
        const auto one = playerFor(first, 1, seed);
        const auto two = playerFor(second, 2, seed + 1);
        const auto record = gloob::bot::playMatch(one.get(), two.get(), options);
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
            if (rally.scorer != 0) {
                const auto server = static_cast<std::size_t>(rally.server - 1);
                ++tally.served[server];
                tally.serverWon[server] += rally.scorer == rally.server ? 1 : 0;
            }
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

// Equal players under each rule of who serves: how much the serve is worth.
void printServeBalance(int matches) {
    std::printf("\nWho serves, between equal players:\n%-9s %-9s %6s %6s %6s %6s %8s %7s %7s\n",
                "strength", "serve", "P1 win", "P2 win", "P1 pts", "P2 pts", "touches", "P1 srv",
                "P2 srv");
    for (const BotStrength strength : {BotStrength::easy, BotStrength::normal, BotStrength::hard}) {
        for (const auto rule :
             {gloob::ServeRule::player1, gloob::ServeRule::loser, gloob::ServeRule::alternate}) {
            const Tally t = play(strength, strength, matches, rule);
            const int played = t.matches - t.capped;
            std::printf("%-9s %-9s %5.1f%% %5.1f%% %6.2f %6.2f %8.2f %6.1f%% %6.1f%%\n",
                        std::string(gloob::bot::nameOf(strength)).c_str(),
                        std::string(gloob::serveWord(rule)).c_str(), percent(t.wins[0], played),
                        percent(t.wins[1], played), per(t.points[0], played),
                        per(t.points[1], played), per(t.touches, t.rallies),
                        percent(t.serverWon[0], t.served[0]), percent(t.serverWon[1], t.served[1]));
            std::fflush(stdout);
        }
    }
}

// Every pairing of the ladder, in the table's order.
std::vector<std::pair<Contestant, Contestant>> pairings(const std::vector<Program>& programs) {
    const std::vector<Contestant> strengths{BotStrength::easy, BotStrength::normal,
                                            BotStrength::hard};
    std::vector<std::pair<Contestant, Contestant>> all;
    std::vector<Contestant> sides = strengths;
    sides.emplace_back(Idle{});
    for (const auto& first : sides) {
        for (const auto& second : sides) {
            if (!std::holds_alternative<Idle>(first) || !std::holds_alternative<Idle>(second)) {
                all.emplace_back(first, second);
            }
        }
    }
    std::vector<Contestant> opponents{Reference::returner, Reference::jumper};
    opponents.insert(opponents.end(), programs.begin(), programs.end());
    for (const auto& opponent : opponents) {
        for (const auto& strength : strengths) {
            all.emplace_back(strength, opponent);
            all.emplace_back(opponent, strength);
        }
    }
    return all;
}

} // namespace

int main(int argc, char** argv) {
    int matches = 100;
    std::vector<Program> programs;
    std::string only;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--program") == 0 && i + 1 < argc) {
            programs.push_back({argv[++i]});
        } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
            only = argv[++i];
        } else if (std::atoi(argv[i]) > 0) {
            matches = std::atoi(argv[i]);
        } else {
            std::fprintf(stderr,
                         "usage: gloob_ladder [MATCHES] [--program COMMAND]... [--only WORD]\n");
            return 2;
        }
    }
    std::printf("Gloob Volleyball ladder: %d matches to 5 points per pairing\n\n", matches);
    const int cap = gloob::bot::MatchOptions{}.rallyTickCap;
    std::int64_t decisions = 0;
    double decisionSeconds = 0;
    std::printf("%-9s %-9s %6s %6s %6s %6s %8s %8s %7s %7s %6s\n", "P1", "P2", "P1 win", "P2 win",
                "P1 pts", "P2 pts", "touches", "net-top", "served", "return", "capped");
    for (const auto& [first, second] : pairings(programs)) {
        const std::string names = nameOf(first) + " " + nameOf(second);
        if (!only.empty() && names.find(only) == std::string::npos) {
            continue;
        }
        const Tally t = play(first, second, matches);
        if (std::holds_alternative<BotStrength>(first) &&
            std::holds_alternative<BotStrength>(second)) {
            decisions += t.decisions;
            decisionSeconds += t.decisionSeconds;
        }
        const int played = t.matches - t.capped;
        std::printf("%-9s %-9s %5.1f%% %5.1f%% %6.2f %6.2f %8.2f %8.2f %6.1f%% %6.1f%% %6d\n",
                    nameOf(first).c_str(), nameOf(second).c_str(), percent(t.wins[0], played),
                    percent(t.wins[1], played), per(t.points[0], played), per(t.points[1], played),
                    per(t.touches, t.rallies), per(t.netTopBounces, t.rallies),
                    percent(t.servesTouched, t.rallies), percent(t.returnsTouched, t.rallies),
                    t.capped);
        std::fflush(stdout);
    }
    if (only.empty() || only == "serve") {
        printServeBalance(matches);
    }
    std::printf(
        "\nP1/P2 win: share of the matches played out (capped ones left aside).\n"
        "P1/P2 pts: points per match.\n"
        "touches: player touches per rally, both sides together; a touch is a run of\n"
        "  player contacts in consecutive main ticks. Bounces on the top of the net are\n"
        "  not touches; net-top gives them per rally.\n"
        "served: rallies in which player 1 touched the serve (in the first table it\n"
        "  always starts above player 1). return: rallies in which player 2 then\n"
        "  touched the ball.\n"
        "serve: player1 serves every rally; loser: the player who lost the point\n"
        "  serves; alternate: the players take turns. Every match opens with player 1.\n"
        "P1 srv, P2 srv: of the rallies a player served, the share that player won.\n"
        "capped: matches abandoned because a rally passed %d main ticks (about %d minutes).\n"
        "returner, jumper: reference opponents that only keep the ball in play, the\n"
        "  jumper with a jump when the ball comes down near it.\n",
        cap, cap * 15625 / 60'000'000);
    std::printf("\nA decision took %.2f us of wall-clock time on average over %lld heartbeats\n"
                "of computer players between themselves (gloob_bench times it on the\n"
                "processor alone).\n",
                decisions > 0 ? 1e6 * decisionSeconds / static_cast<double>(decisions) : 0.0,
                static_cast<long long>(decisions));
    return 0;
}
