// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "pcm.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

constexpr double fadeInSeconds = 0.002;
constexpr double fadeOutSeconds = 0.012;

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::int16_t> toPcm(Samples sound) {
    fadeIn(sound, fadeInSeconds);
    fadeOut(sound, fadeOutSeconds);
    double peak = 0.0;
    for (const double s : sound) {
        peak = std::max(peak, std::abs(s));
    }
    const double gain = peak > 0.0 ? peakLevel * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> pcm(sound.size());
    std::transform(sound.begin(), sound.end(), pcm.begin(),
                   [gain](double s) { return static_cast<std::int16_t>(std::lround(s * gain)); });
    return pcm;
}

std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& pcm) {
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * bytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4); // size of the format chunk
    putLittleEndian(out, 1, 2);  // integer PCM
    putLittleEndian(out, channels, 2);
    putLittleEndian(out, sampleRate, 4);
    putLittleEndian(out, sampleRate * channels * bytesPerSample, 4); // bytes per second
    putLittleEndian(out, channels * bytesPerSample, 2);              // bytes per frame
    putLittleEndian(out, 8 * bytesPerSample, 2);                     // bits per sample
    putTag(out, "data");
    putLittleEndian(out, dataBytes, 4);
    for (const std::int16_t s : pcm) {
        putLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

} // namespace sound
