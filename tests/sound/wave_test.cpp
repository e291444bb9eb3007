// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sound/wave.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace gloob {
namespace {

std::vector<std::byte> bytes(const std::string& text) {
    std::vector<std::byte> out;
    for (const char c : text) {
        out.push_back(static_cast<std::byte>(c));
    }
    return out;
}

std::string le(std::uint32_t value, int size) {
    std::string out;
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    return out;
}

// A WAV file: the format chunk's fields, then whatever chunks follow it.
std::string wave(int format, int channels, int bits, const std::string& chunks) {
    const std::string fmt = "fmt " + le(16, 4) + le(format, 2) + le(channels, 2) + le(22050, 4) +
                            le(22050 * 2, 4) + le(2, 2) + le(bits, 2);
    const std::string body = "WAVE" + fmt + chunks;
    return "RIFF" + le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

const std::string threeSamples = "data" + le(6, 4) + le(1, 2) + le(0xFFFF, 2) + le(0x7FFF, 2);

struct WaveCase {
    const char* name;
    std::string file;
    std::vector<std::int16_t> samples; // empty: refused
};

void PrintTo(const WaveCase& c, std::ostream* out) {
    *out << c.name;
}

class Waves : public ::testing::TestWithParam<WaveCase> {};

TEST_P(Waves, AreReadOrRefused) {
    const std::vector<std::byte> file = bytes(GetParam().file);
    const std::optional<MonoSound> sound = readMonoWave(file);
    if (GetParam().samples.empty()) {
        EXPECT_FALSE(sound);
    } else {
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->sampleRate, 22050);
        EXPECT_EQ(sound->samples, GetParam().samples);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Waves,
    ::testing::Values(
        WaveCase{"Plain", wave(1, 1, 16, threeSamples), {1, -1, 32767}},
        WaveCase{"OtherChunkFirstOddLength",
                 wave(1, 1, 16, "LIST" + le(3, 4) + "abc" + std::string(1, '\0') + threeSamples),
                 {1, -1, 32767}},
        WaveCase{"Stereo", wave(1, 2, 16, threeSamples), {}},
        WaveCase{"Float", wave(3, 1, 16, threeSamples), {}},
        WaveCase{"DataLongerThanTheFile", wave(1, 1, 16, "data" + le(600, 4) + le(1, 2)), {}},
        WaveCase{"NoData", wave(1, 1, 16, ""), {}},
        WaveCase{"NotRiff", "RIFX" + wave(1, 1, 16, threeSamples).substr(4), {}},
        WaveCase{"Truncated", wave(1, 1, 16, threeSamples).substr(0, 30), {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
