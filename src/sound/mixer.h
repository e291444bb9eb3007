// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace gloob {

// Sums the effects that sound now into one stream. Effects are started from
// the game's thread and mixed on the audio thread.
class Mixer {
public:
    using Effect = std::size_t;
    // More voices than this at once, and the oldest is cut.
    static constexpr std::size_t maxVoices = 8;

    // Before any is started.
    Effect add(std::vector<std::int16_t> samples);

    // A second start of a sounding effect sounds with the first.
    void start(Effect effect);
    void stopAll();
    // 0 silent .. 1 as the effects were made.
    void setVolume(float volume);

    bool sounding();

    // The next stretch of the stream: what sounds, else silence. Returns how
    // many effects begin in it.
    std::size_t mix(std::span<std::int16_t> out);

private:
    struct Voice {
        Effect effect;
        std::size_t next;
    };

    std::vector<std::vector<std::int16_t>> effects_;
    std::mutex mutex_;
    std::vector<Voice> voices_;
    float volume_ = 1.0f;
    // The audio thread's own, kept to spare it an allocation per stretch.
    std::vector<std::int32_t> sum_;
};

} // namespace gloob
