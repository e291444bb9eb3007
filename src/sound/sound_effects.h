// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/sound_cues.h"
#include "audio_output.h"
#include "mixer.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace gloob {

// Every effect of the game, read from the program's resources once, at start,
// and played through one stream that stays open, so that an effect sounds as
// soon as it starts. Without an audio output (no device, no sound server, a
// broken backend) the game plays silently: one line is reported, and Qt
// Multimedia's own complaints are kept off standard error.
class SoundEffects {
public:
    using Report = std::function<void(const QString&)>;

    explicit SoundEffects(const Report& report);

    bool available() const { return output_ && output_->running(); }
    // Sounds along with whatever sounds already.
    void play(Cue cue);
    // 0 silent .. 1 as the effect files were made.
    void setVolume(float volume) { mixer_.setVolume(volume); }
    // Silences every effect that is sounding.
    void stop() { mixer_.stopAll(); }

private:
    Mixer mixer_;
    std::array<Mixer::Effect, allCues.size()> effectOfCue_{};
    std::unique_ptr<AudioOutput> output_;
};

} // namespace gloob
