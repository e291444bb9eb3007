// What a computer player's decision costs, per heartbeat, over whole matches
// between two players of one strength.
#include "bot/bot_match.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using gloob::bot::BotStrength;
using gloob::bot::ComputerPlayer;

void BM_BotDecision(benchmark::State& state, BotStrength strength) {
    std::int64_t decisions = 0;
    double seconds = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        ComputerPlayer one(1, strength, seed);
        ComputerPlayer two(2, strength, seed + 1);
        const gloob::bot::MatchRecord record = gloob::bot::playMatch(&one, &two);
        // Only the decisions count, not the game they play.
        state.SetIterationTime(record.decisionSeconds);
        decisions += record.decisions;
        seconds += record.decisionSeconds;
        seed += 2;
    }
    state.counters["us_per_decision"] = 1e6 * seconds / static_cast<double>(decisions);
    state.counters["decisions"] = static_cast<double>(decisions);
}
BENCHMARK_CAPTURE(BM_BotDecision, easy, BotStrength::easy)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BotDecision, normal, BotStrength::normal)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BotDecision, hard, BotStrength::hard)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
