// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "wave.h"

#include <cstring>
#include <string_view>

namespace gloob {

namespace {

std::uint32_t little(std::span<const std::byte> bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8) | std::to_integer<std::uint32_t>(bytes[at + i]);
    }
    return value;
}

bool tagIs(std::span<const std::byte> bytes, std::size_t at, std::string_view tag) {
    return std::memcmp(bytes.data() + at, tag.data(), 4) == 0;
}

} // namespace

std::optional<MonoSound> readMonoWave(std::span<const std::byte> file) {
    if (file.size() < 12 || !tagIs(file, 0, "RIFF") || !tagIs(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<MonoSound> sound;
    bool formatRead = false;
    // Chunks follow one another, each padded to an even length.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::size_t size = little(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) {
            return std::nullopt;
        }
        if (tagIs(file, at, "fmt ")) {
            const bool pcm16Mono = size >= 16 && little(file, body, 2) == 1 &&
                                   little(file, body + 2, 2) == 1 &&
                                   little(file, body + 14, 2) == 16;
            if (!pcm16Mono) {
                return std::nullopt;
            }
            sound.emplace();
            sound->sampleRate = static_cast<int>(little(file, body + 4, 4));
            formatRead = true;
        } else if (tagIs(file, at, "data") && formatRead) {
            sound->samples.resize(size / 2);
            for (std::size_t i = 0; i < sound->samples.size(); ++i) {
                sound->samples[i] = static_cast<std::int16_t>(little(file, body + 2 * i, 2));
            }
            return sound->sampleRate > 0 ? sound : std::nullopt;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

} // namespace gloob
