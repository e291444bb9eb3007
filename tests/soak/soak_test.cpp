// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Thousands of matches between seeded random players, every main tick checked
// against the rules that must always hold.
#include "test_support.h"

#include "app/heartbeat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

namespace gloob::testing {
namespace {

// A rally this long has surely stuck: about 26 minutes of play.
constexpr int rallyTickLimit = 100000;

int matchesToPlay() {
    const char* text = std::getenv("GLOOB_SOAK_MATCHES");
    return text != nullptr ? std::max(1, std::atoi(text)) : 2000;
}

// Two players at one keyboard: most of the time they chase the ball with
// held keys (auto-repeat presses), now and then they hop, let go, or press
// keys that do nothing.
class RandomPlayers {
public:
    explicit RandomPlayers(std::uint32_t seed) : rng_(seed) {}

    void act(FrmGloob& frm) {
        const Scene& scene = frm.scene;
        const float ballCentre = scene.shpBall.Left + scene.shpBall.Width / 2;
        playerAct(frm, ballCentre, scene.shpGloob1, 37, 39, 38);
        playerAct(frm, ballCentre, scene.shpGloob2, 65, 68, 87);
        if (chance(0.01)) {
            frm.Form_KeyDown(pick({83, 40, 32, 16}), 0);
        }
        if (chance(0.01)) {
            frm.Form_LostFocus();
        }
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int pick(std::initializer_list<int> keys) {
        const auto i = std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(rng_);
        return *(keys.begin() + static_cast<std::ptrdiff_t>(i));
    }

private:
    void playerAct(FrmGloob& frm, float ballCentre, const Shape& body, int left, int right,
                   int jump) {
        const float bodyCentre = body.Left + body.Width / 2;
        const float aim = bodyCentre + std::uniform_real_distribution<float>(-400, 400)(rng_);
        if (chance(0.3)) {
            if (ballCentre < aim - 150) {
                frm.Form_KeyDown(static_cast<std::int16_t>(left), 0);
            } else if (ballCentre > aim + 150) {
                frm.Form_KeyDown(static_cast<std::int16_t>(right), 0);
            } else {
                frm.Form_KeyUp(static_cast<std::int16_t>(left), 0);
            }
        }
        if (chance(0.02)) {
            frm.Form_KeyDown(static_cast<std::int16_t>(jump), 0);
        }
        if (chance(0.03)) {
            frm.Form_KeyUp(static_cast<std::int16_t>(jump), 0);
        }
    }

    std::mt19937 rng_;
};

struct Statistics {
    int matches = 0;
    int rallies = 0;
    int longestRally = 0;
    std::int64_t mainTicks = 0;
    std::map<int, int> rallyLengths; // by powers of two of ticks
};

// A host whose input comes from the random players, at every heartbeat and
// at every pump of a pause, and which checks the court after every main tick.
class SoakHost final : public Host {
public:
    SoakHost(RandomPlayers& players, Statistics& stats) : players_(players), stats_(stats) {}

    VirtualClock virtualClock;
    FrmGloob* frm = nullptr;

    Clock& clock() override { return virtualClock; }
    void deliverPendingInput() override { players_.act(*frm); }
    void showMessage(std::string_view) override {}
    TwipRect availableScreen() override { return {0, 0, 19200, 15360}; }
    TwipRect windowOuterFrame() override { return {0, 0, 11295, 7770}; }
    void moveWindow(float, float) override {}
    void endProgram() override {}

    void timerEntered(TimerId timer) override {
        ASSERT_EQ(depth_[static_cast<std::size_t>(timer)]++, 0)
            << "timer " << static_cast<int>(timer) << " entered while its handler runs";
    }
    void timerHandled(TimerId timer) override {
        --depth_[static_cast<std::size_t>(timer)];
        if (timer == TimerId::tmrMain) {
            checkAfterMainTick();
        }
    }

    // Play! sets both scores to 0.
    void startMatch() {
        rallies_ = 0;
        rallyTicks_ = 0;
        scoreAtRallyStart_ = 0;
    }

    int ralliesThisMatch() const { return rallies_; }

private:
    int totalScore() const { return frm->state.player1Score + frm->state.player2Score; }

    void checkAfterMainTick() {
        const Scene& scene = frm->scene;
        const MatchState& state = frm->state;
        ++stats_.mainTicks;
        ++rallyTicks_;

        EXPECT_GE(scene.shpGloob1.Left, 6015);
        EXPECT_LE(scene.shpGloob1.Left, 11040 - 1455);
        EXPECT_GE(scene.shpGloob2.Left, 135);
        EXPECT_LE(scene.shpGloob2.Left, 5520 - 1455);
        for (const auto& [body, base] : {std::pair{&scene.shpGloob1, &scene.shpBase1},
                                         std::pair{&scene.shpGloob2, &scene.shpBase2}}) {
            EXPECT_EQ(base->Left, body->Left) << "a base left its body";
            EXPECT_EQ(base->Top, body->Top + 600) << "a base left its body";
            EXPECT_GE(body->Top, 5520 - 1200);
            EXPECT_LE(body->Top, 5520);
        }
        EXPECT_GE(scene.shpBall.Left, 135);
        EXPECT_LE(scene.shpBall.Left, 11040 - 375);
        EXPECT_GE(scene.shpBall.Top, 255);
        EXPECT_LE(state.player1Score, state.ballsPerGame);
        EXPECT_LE(state.player2Score, state.ballsPerGame);

        const int points = totalScore() - scoreAtRallyStart_;
        ASSERT_LE(points, 1) << "a rally gave more than one point";
        ASSERT_LT(rallyTicks_, rallyTickLimit) << "a rally never ended";
        if (points == 1) {
            ++stats_.rallies;
            ++rallies_;
            stats_.longestRally = std::max(stats_.longestRally, rallyTicks_);
            ++stats_.rallyLengths[static_cast<int>(
                std::bit_floor(static_cast<unsigned>(rallyTicks_)))];
            rallyTicks_ = 0;
            scoreAtRallyStart_ = totalScore();
        }
    }

    RandomPlayers& players_;
    Statistics& stats_;
    std::array<int, timerCount> depth_{};
    int rallies_ = 0;
    int rallyTicks_ = 0;
    int scoreAtRallyStart_ = 0;
};

void playMatches(std::uint32_t seed, int matches, Statistics& stats) {
    RandomPlayers players(seed);
    SoakHost host(players, stats);
    BlockTextRasteriser text;
    Pictures pictures;
    FrmGloob frm(host, text, pictures);
    host.frm = &frm;
    frm.Form_Load();

    for (int match = 0; match < matches && !::testing::Test::HasFatalFailure(); ++match) {
        frm.menuClick(static_cast<MenuId>(
            players.pick({static_cast<int>(MenuId::mnu3), static_cast<int>(MenuId::mnu5),
                          static_cast<int>(MenuId::mnu8)})));
        host.startMatch();
        frm.cmdPlay_Click();
        while (!frm.scene.cmdPlay.Visible && !::testing::Test::HasFatalFailure()) {
            host.virtualClock.advanceTo(heartbeatAfter(host.virtualClock.nowMicros()));
            players.act(frm);
            frm.dispatchTimers(heartbeatAtOrBefore(host.virtualClock.nowMicros()));
        }
        const MatchState& s = frm.state;
        EXPECT_TRUE((s.player1Score == s.ballsPerGame) != (s.player2Score == s.ballsPerGame))
            << "exactly one player reaches the match length";
        EXPECT_EQ(s.player1Score + s.player2Score, host.ralliesThisMatch())
            << "every rally gave exactly one point";
        EXPECT_EQ(frm.scene.tmrMain.Interval, 0);
        EXPECT_FALSE(frm.scene.shpBall.Visible);
        EXPECT_TRUE(frm.scene.lblGameOver.Visible);
        ++stats.matches;
    }
}

TEST(Soak, RandomPlayersKeepEveryRuleOverThousandsOfMatches) {
    const int matches = matchesToPlay();
    Statistics stats;
    constexpr int matchesPerWindow = 20;
    for (int window = 0; window * matchesPerWindow < matches && !HasFatalFailure(); ++window) {
        playMatches(static_cast<std::uint32_t>(1000 + window),
                    std::min(matchesPerWindow, matches - window * matchesPerWindow), stats);
    }
    EXPECT_EQ(stats.matches, matches);
    std::cout << "matches " << stats.matches << ", rallies " << stats.rallies << ", main ticks "
              << stats.mainTicks << ", longest rally " << stats.longestRally << " ticks\n"
              << "rally length (ticks): count\n";
    for (const auto& [from, count] : stats.rallyLengths) {
        std::cout << "  " << from << "-" << 2 * from - 1 << ": " << count << "\n";
    }
}

} // namespace
} // namespace gloob::testing
