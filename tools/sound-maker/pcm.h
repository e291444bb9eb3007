// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

// From a synthesised sound to the bytes of a WAV file: 16-bit PCM, mono.

#include "synth.h"

#include <cstdint>
#include <vector>

namespace sound {

// Peak level of every effect: -3 dBFS, loud enough and clear of clipping.
constexpr double peakLevel = 0.70794578438413791; // 10^(-3/20)

// Fades the ends in and out so that the sound starts and stops without a click, scales it to
// the peak level and rounds it to 16-bit samples.
std::vector<std::int16_t> toPcm(Samples sound);

// A complete WAV file (RIFF header, "fmt " and "data" chunks) at the synthesiser's rate.
std::vector<std::uint8_t> wavFile(const std::vector<std::int16_t>& pcm);

} // namespace sound
