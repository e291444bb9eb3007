// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Whole matches between computer players, as the ladder plays them.
#include "bot_match.h"
#include "match/keys.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace gloob::bot {
namespace {

struct Pairing {
    std::optional<BotStrength> player1;
    std::optional<BotStrength> player2;
};

std::string nameOf(const Pairing& pairing) {
    const auto side = [](const std::optional<BotStrength>& s) {
        return std::string(s ? bot::nameOf(*s) : "idle");
    };
    return side(pairing.player1) + "_vs_" + side(pairing.player2);
}

void PrintTo(const Pairing& pairing, std::ostream* os) {
    *os << nameOf(pairing);
}

MatchRecord play(const Pairing& pairing, std::uint32_t seed, MatchOptions options = {}) {
    std::optional<ComputerPlayer> one, two;
    if (pairing.player1) {
        one.emplace(1, *pairing.player1, seed);
    }
    if (pairing.player2) {
        two.emplace(2, *pairing.player2, seed + 1);
    }
    options.ballsPerGame = 3;
    return playMatch(one ? &*one : nullptr, two ? &*two : nullptr, options);
}

class BetweenComputerPlayers : public ::testing::TestWithParam<Pairing> {};

TEST_P(BetweenComputerPlayers, EveryMatchEndsWithOneWinner) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const MatchRecord record = play(GetParam(), seed);
        ASSERT_FALSE(record.capped) << "seed " << seed;
        EXPECT_EQ(std::max(record.player1Score, record.player2Score), 3) << "seed " << seed;
        EXPECT_LT(std::min(record.player1Score, record.player2Score), 3) << "seed " << seed;
        std::array<int, 2> points{0, 0};
        for (const RallyRecord& rally : record.rallies) {
            ++points[static_cast<std::size_t>(rally.scorer - 1)];
        }
        EXPECT_EQ(points[0], record.player1Score);
        EXPECT_EQ(points[1], record.player2Score);
    }
}

// Each side presses only its own keys, releases only a direction key it
// holds, and taps the jump key.
TEST_P(BetweenComputerPlayers, EachSideKeepsToItsOwnKeys) {
    const std::array<std::set<std::int16_t>, 2> own{
        std::set<std::int16_t>{keys::left, keys::right, keys::up},
        std::set<std::int16_t>{keys::a, keys::d, keys::w}};
    const std::array<std::int16_t, 2> jump{keys::up, keys::w};
    std::array<std::int16_t, 2> held{0, 0};
    std::array<bool, 2> jumpDown{false, false};
    int events = 0;
    MatchOptions options;
    const auto check = [&](int side, const KeyEvent& event) {
        const auto s = static_cast<std::size_t>(side - 1);
        ++events;
        ASSERT_TRUE(own[s].count(event.keyCode)) << "side " << side << " key " << event.keyCode;
        EXPECT_EQ(event.shift, 0);
        if (event.keyCode == jump[s]) {
            EXPECT_NE(jumpDown[s], event.down) << "the jump key is tapped";
            jumpDown[s] = event.down;
        } else if (event.down) {
            EXPECT_EQ(held[s], 0) << "a direction key is pressed while another is held";
            held[s] = event.keyCode;
        } else {
            EXPECT_EQ(held[s], event.keyCode) << "released a key it does not hold";
            held[s] = 0;
        }
    };
    options.decisionWatcher = [&](int side, const Scene&, const MatchState&,
                                  const std::vector<KeyEvent>& keys) {
        for (const KeyEvent& event : keys) {
            check(side, event);
        }
    };
    play(GetParam(), 4, options);
    EXPECT_GT(events, 0);
    EXPECT_FALSE(jumpDown[0] || jumpDown[1]);
}

INSTANTIATE_TEST_SUITE_P(Pairings, BetweenComputerPlayers,
                         ::testing::Values(Pairing{BotStrength::easy, BotStrength::easy},
                                           Pairing{BotStrength::hard, BotStrength::normal},
                                           Pairing{BotStrength::normal, BotStrength::hard},
                                           Pairing{BotStrength::hard, BotStrength::hard},
                                           Pairing{BotStrength::normal, BotStrength::easy},
                                           Pairing{BotStrength::easy, std::nullopt}),
                         [](const auto& info) { return nameOf(info.param); });

TEST(BotMatch, TheSameSeedsReplayTheSameMatch) {
    const Pairing pairing{BotStrength::normal, BotStrength::easy};
    const MatchRecord first = play(pairing, 9);
    const MatchRecord second = play(pairing, 9);
    ASSERT_EQ(first.rallies.size(), second.rallies.size());
    for (std::size_t i = 0; i < first.rallies.size(); ++i) {
        EXPECT_EQ(first.rallies[i].scorer, second.rallies[i].scorer) << "rally " << i;
        EXPECT_EQ(first.rallies[i].mainTicks, second.rallies[i].mainTicks) << "rally " << i;
        EXPECT_EQ(first.rallies[i].touches[0], second.rallies[i].touches[0]) << "rally " << i;
        EXPECT_EQ(first.rallies[i].touches[1], second.rallies[i].touches[1]) << "rally " << i;
    }
}

// The serve comes down on player 1's side: with nobody there, player 2
// scores every rally untouched; a player 1 who wins a rally has touched it.
TEST(BotMatch, CountsTouchesAndPoints) {
    const MatchRecord idle = play({std::nullopt, std::nullopt}, 1);
    ASSERT_EQ(idle.rallies.size(), 3u);
    for (const RallyRecord& rally : idle.rallies) {
        EXPECT_EQ(rally.scorer, 2);
        EXPECT_EQ(rally.touches[0] + rally.touches[1], 0);
        EXPECT_EQ(rally.lastToucher, 0);
    }
    const MatchRecord played = play({BotStrength::hard, std::nullopt}, 1);
    ASSERT_EQ(played.player1Score, 3);
    for (const RallyRecord& rally : played.rallies) {
        if (rally.scorer == 1) {
            EXPECT_GE(rally.touches[0], 1);
            EXPECT_NE(rally.lastToucher, 0);
        }
    }
}

} // namespace
} // namespace gloob::bot
