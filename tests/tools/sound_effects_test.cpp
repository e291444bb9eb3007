// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// What every sound effect must be, whatever it sounds like: short, small, at the agreed peak
// level, starting and ending in silence, and centred on zero.

#include "effects.h"
#include "pcm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct EffectLimits {
    const char* name;
    double maxSeconds;
};

void PrintTo(const EffectLimits& limits, std::ostream* os) {
    *os << limits.name;
}

const EffectLimits effectLimits[] = {
    {"serve", 0.3},   {"hit", 0.3},  {"jump-hit", 0.3}, {"wall", 0.2},      {"net-post", 0.3},
    {"net-top", 0.5}, {"jump", 0.3}, {"point", 0.8},    {"game-over", 1.2},
};

constexpr std::size_t maxFileBytes = 40 * 1024;
constexpr int peakSample = static_cast<int>(sound::peakLevel * 32767.0);

const sound::Effect& effectNamed(const std::string& name) {
    const auto it = std::find_if(sound::effects.begin(), sound::effects.end(),
                                 [&](const sound::Effect& e) { return e.name == name; });
    if (it == sound::effects.end()) {
        throw std::runtime_error("no effect named " + name);
    }
    return *it;
}

class SoundEffect : public testing::TestWithParam<EffectLimits> {
protected:
    std::vector<std::int16_t> pcm = sound::toPcm(effectNamed(GetParam().name).make());
};

TEST_P(SoundEffect, IsShortAndSmall) {
    const double seconds = static_cast<double>(pcm.size()) / sound::sampleRate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LE(seconds, GetParam().maxSeconds);
    EXPECT_LE(sound::wavFile(pcm).size(), maxFileBytes);
}

TEST_P(SoundEffect, PeaksAtMinusThreeDecibels) {
    int peak = 0;
    for (const std::int16_t s : pcm) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_NEAR(20.0 * std::log10(peak / 32767.0), -3.0, 0.01);
}

TEST_P(SoundEffect, StartsAndEndsInSilence) {
    // Struck sounds may rise fast, but not within the first half millisecond; and every sound
    // has died away by its last millisecond.
    const std::size_t start = sound::sampleRate / 2000;
    const std::size_t end = sound::sampleRate / 1000;
    auto loudest = [](auto first, auto last) {
        return std::accumulate(first, last, 0, [](int m, std::int16_t s) {
            return std::max(m, std::abs(static_cast<int>(s)));
        });
    };
    EXPECT_EQ(pcm.front(), 0);
    EXPECT_EQ(pcm.back(), 0);
    EXPECT_LT(loudest(pcm.begin(), pcm.begin() + start), peakSample / 4);
    EXPECT_LT(loudest(pcm.end() - end, pcm.end()), peakSample / 20);
}

TEST_P(SoundEffect, HasNoOffset) {
    const double sum = std::accumulate(pcm.begin(), pcm.end(), 0.0);
    EXPECT_LT(std::abs(sum / pcm.size()), 0.005 * 32767);
}

INSTANTIATE_TEST_SUITE_P(Effects, SoundEffect, testing::ValuesIn(effectLimits),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(SoundEffects, EveryEffectHasLimits) {
    ASSERT_EQ(sound::effects.size(), std::size(effectLimits));
    for (const sound::Effect& effect : sound::effects) {
        EXPECT_TRUE(
            std::any_of(std::begin(effectLimits), std::end(effectLimits),
                        [&](const EffectLimits& l) { return l.name == std::string(effect.name); }))
            << effect.name;
    }
}

std::uint32_t readLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int n) {
    std::uint32_t value = 0;
    for (int i = n - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

TEST(WavFile, HeaderDescribesMonoSixteenBitPcm) {
    const std::vector<std::uint8_t> file = sound::wavFile({0, 1, -2, 32767, -32768});
    ASSERT_EQ(file.size(), 44U + 10U);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(readLittleEndian(file, 4, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(readLittleEndian(file, 16, 4), 16U);    // format chunk size
    EXPECT_EQ(readLittleEndian(file, 20, 2), 1U);     // integer PCM
    EXPECT_EQ(readLittleEndian(file, 22, 2), 1U);     // mono
    EXPECT_EQ(readLittleEndian(file, 24, 4), 22050U); // samples per second
    EXPECT_EQ(readLittleEndian(file, 28, 4), 44100U); // bytes per second
    EXPECT_EQ(readLittleEndian(file, 32, 2), 2U);     // bytes per frame
    EXPECT_EQ(readLittleEndian(file, 34, 2), 16U);    // bits per sample
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(readLittleEndian(file, 40, 4), 10U);
}

TEST(WavFile, SamplesAreLittleEndianTwosComplement) {
    const std::vector<std::uint8_t> file = sound::wavFile({1, -2, 32767, -32768});
    const std::vector<std::uint8_t> data(file.begin() + 44, file.end());
    EXPECT_EQ(data, (std::vector<std::uint8_t>{0x01, 0x00, 0xFE, 0xFF, 0xFF, 0x7F, 0x00, 0x80}));
}

} // namespace
