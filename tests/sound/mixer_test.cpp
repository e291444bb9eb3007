// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sound/mixer.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace gloob {
namespace {

using Samples = std::vector<std::int16_t>;

struct MixCase {
    const char* name;
    std::function<void(Mixer&, Mixer::Effect ramp, Mixer::Effect loud)> play;
    std::vector<Samples> stretches; // what each call of mix() gives, in turn
};

void PrintTo(const MixCase& c, std::ostream* out) {
    *out << c.name;
}

class Mixing : public ::testing::TestWithParam<MixCase> {};

TEST_P(Mixing, SumsWhatSoundsInTurn) {
    Mixer mixer;
    const Mixer::Effect ramp = mixer.add({100, 200, 300, 400, 500});
    const Mixer::Effect loud = mixer.add({30000, -30000, 30000});
    GetParam().play(mixer, ramp, loud);
    for (const Samples& expected : GetParam().stretches) {
        Samples out(expected.size(), 77);
        mixer.mix(out);
        EXPECT_EQ(out, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Mixing,
    ::testing::Values(MixCase{"SilenceWhenNothingSounds", [](Mixer&, auto, auto) {}, {{0, 0, 0}}},
                      MixCase{"AnEffectAcrossStretchesThenSilence",
                              [](Mixer& m, auto ramp, auto) { m.start(ramp); },
                              {{100, 200}, {300, 400}, {500, 0}, {0}}},
                      MixCase{"TwoEffectsAdd",
                              [](Mixer& m, auto ramp, auto loud) {
                                  m.start(loud);
                                  m.start(ramp);
                              },
                              {{30100, -29800, 30300, 400, 500, 0}}},
                      MixCase{"SumsBeyondTheRangeAreClipped",
                              [](Mixer& m, auto, auto loud) {
                                  m.start(loud);
                                  m.start(loud);
                              },
                              {{32767, -32768, 32767}}},
                      MixCase{"Volume",
                              [](Mixer& m, auto ramp, auto) {
                                  m.setVolume(0.25f);
                                  m.start(ramp);
                              },
                              {{25, 50, 75, 100, 125}}},
                      MixCase{"StopSilencesAtOnce",
                              [](Mixer& m, auto ramp, auto loud) {
                                  m.start(ramp);
                                  m.start(loud);
                                  m.stopAll();
                              },
                              {{0, 0}}},
                      MixCase{"TheOldestVoiceIsCutBeyondTheLast",
                              [](Mixer& m, auto ramp, auto loud) {
                                  m.start(loud);
                                  for (std::size_t i = 0; i < Mixer::maxVoices; ++i) {
                                      m.start(ramp);
                                  }
                              },
                              {{800, 1600}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The stretch that holds an effect's first sample says so, once.
TEST(Mixing, CountsTheEffectsThatBeginInAStretch) {
    Mixer mixer;
    const Mixer::Effect effect = mixer.add({1, 2, 3});
    Samples out(2);
    EXPECT_EQ(mixer.mix(out), 0u);
    mixer.start(effect);
    mixer.start(effect);
    EXPECT_EQ(mixer.mix(out), 2u);
    mixer.start(effect);
    EXPECT_EQ(mixer.mix(out), 1u);
    EXPECT_TRUE(mixer.sounding());
    EXPECT_EQ(mixer.mix(out), 0u);
    EXPECT_FALSE(mixer.sounding());
}

} // namespace
} // namespace gloob
