// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/sound_cues.h"
#include "sound_effects.h"

namespace gloob {

class Engine;

// The sound of a game: the effects of every handler, started as soon as it
// returns. The rules never wait for them. Silent while the player has turned
// sound off, and while muted (paused, or a replay faster than the real pace).
class GameSounds {
public:
    explicit GameSounds(const SoundEffects::Report& report);

    // Listens to this game from now on; a game started afresh calls it again.
    void watch(Engine& engine);

    void setEnabled(bool on);
    // Of the effects as they were made: 0 to 100.
    void setVolume(int percent);
    void setMuted(bool muted);
    bool muted() const { return muted_; }

private:
    void play(std::int64_t micros, const Handler& handler, const std::vector<Cue>& cues);

    SoundEffects effects_;
    SoundCues cues_;
    const Engine* engine_ = nullptr;
    bool enabled_ = true;
    bool muted_ = false;
    // When each effect started, on standard error, for bench/measure_sound.sh.
    bool logStarts_;
};

} // namespace gloob
