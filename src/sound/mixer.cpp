// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "mixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gloob {

Mixer::Effect Mixer::add(std::vector<std::int16_t> samples) {
    effects_.push_back(std::move(samples));
    return effects_.size() - 1;
}

void Mixer::start(Effect effect) {
    const std::lock_guard lock(mutex_);
    if (voices_.size() == maxVoices) {
        voices_.erase(voices_.begin());
    }
    voices_.push_back({effect, 0});
}

void Mixer::stopAll() {
    const std::lock_guard lock(mutex_);
    voices_.clear();
}

void Mixer::setVolume(float volume) {
    const std::lock_guard lock(mutex_);
    volume_ = std::clamp(volume, 0.0f, 1.0f);
}

bool Mixer::sounding() {
    const std::lock_guard lock(mutex_);
    return !voices_.empty();
}

std::size_t Mixer::mix(std::span<std::int16_t> out) {
    std::vector<std::int32_t>& sum = sum_;
    sum.assign(out.size(), 0);
    float volume = 0;
    std::size_t beginning = 0;
    {
        const std::lock_guard lock(mutex_);
        volume = volume_;
        for (Voice& voice : voices_) {
            const std::vector<std::int16_t>& samples = effects_[voice.effect];
            beginning += voice.next == 0 ? 1 : 0;
            const std::size_t count = std::min(out.size(), samples.size() - voice.next);
            for (std::size_t i = 0; i < count; ++i) {
                sum[i] += samples[voice.next + i];
            }
            voice.next += count;
        }
        std::erase_if(voices_, [this](const Voice& voice) {
            return voice.next == effects_[voice.effect].size();
        });
    }
    static constexpr float lowest = std::numeric_limits<std::int16_t>::min();
    static constexpr float highest = std::numeric_limits<std::int16_t>::max();
    std::transform(sum.begin(), sum.end(), out.begin(), [volume](std::int32_t value) {
        const float scaled = std::round(static_cast<float>(value) * volume);
        return static_cast<std::int16_t>(std::clamp(scaled, lowest, highest));
    });
    return beginning;
}

} // namespace gloob
