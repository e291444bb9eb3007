// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// What a computer player's decision costs, per heartbeat. A whole match
// between two players of one strength is played once and what each was shown
// is recorded; the benchmark then has fresh players of the same seeds decide
// on the same sights again, which they do exactly alike, so that only the
// decisions are timed and not the game.
#include "bot_match.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using gloob::KeyEvent;
using gloob::MatchState;
using gloob::Scene;
using gloob::bot::BotStrength;
using gloob::bot::ComputerPlayer;

// The parts of the court that move during a match.
struct Shown {
    int side;
    MatchState state;
    gloob::Shape ball, body1, base1, body2, base2;
    bool gameOver;
    std::vector<KeyEvent> keys;

    void showOn(Scene& scene) const {
        scene.shpBall = ball;
        scene.shpGloob1 = body1;
        scene.shpBase1 = base1;
        scene.shpGloob2 = body2;
        scene.shpBase2 = base2;
        scene.lblGameOver.Visible = gameOver;
    }
};

std::vector<Shown> recordMatch(BotStrength strength, std::uint32_t seed) {
    std::vector<Shown> shown;
    ComputerPlayer one(1, strength, seed);
    ComputerPlayer two(2, strength, seed + 1);
    gloob::bot::MatchOptions options;
    options.decisionWatcher = [&](int side, const Scene& scene, const MatchState& state,
                                  const std::vector<KeyEvent>& keys) {
        shown.push_back({side, state, scene.shpBall, scene.shpGloob1, scene.shpBase1,
                         scene.shpGloob2, scene.shpBase2, scene.lblGameOver.Visible, keys});
    };
    gloob::bot::playMatch(&one, &two, options);
    return shown;
}

void BM_BotDecision(benchmark::State& state, BotStrength strength) {
    const std::vector<Shown> match = recordMatch(strength, 1);
    Scene scene;
    scene.cmdPlay.Visible = false;
    std::int64_t decisions = 0;
    for (auto _ : state) {
        ComputerPlayer players[2] = {{1, strength, 1}, {2, strength, 2}};
        for (const Shown& sight : match) {
            sight.showOn(scene);
            const auto keys = players[sight.side - 1].decide(scene, sight.state);
            if (keys != sight.keys) {
                state.SkipWithError("the players decided otherwise than in the match");
                return;
            }
        }
        decisions += static_cast<std::int64_t>(match.size());
    }
    state.counters["per_decision"] = benchmark::Counter(
        static_cast<double>(decisions), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["decisions"] = static_cast<double>(match.size());
}
BENCHMARK_CAPTURE(BM_BotDecision, easy, BotStrength::easy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BotDecision, normal, BotStrength::normal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BotDecision, hard, BotStrength::hard)->Unit(benchmark::kMillisecond);

} // namespace
