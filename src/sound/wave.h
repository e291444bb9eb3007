// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gloob {

// A sound as the mixer plays it: 16-bit samples, one channel.
struct MonoSound {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Reads a WAV file of 16-bit PCM in one channel, as the game's effects are
// made; nothing for any other file.
std::optional<MonoSound> readMonoWave(std::span<const std::byte> file);

} // namespace gloob
