// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_sounds.h"

#include "app/engine.h"
#include "script/trace_writer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gloob {

GameSounds::GameSounds(const SoundEffects::Report& report)
    : effects_(report),
      cues_([this](std::int64_t micros, const Handler& handler, const std::vector<Cue>& cues) {
          play(micros, handler, cues);
      }),
      logStarts_(std::getenv("GLOOB_TIMING") != nullptr) {}

void GameSounds::watch(Engine& engine) {
    cues_.reset();
    engine_ = &engine;
    engine.addObserver(cues_);
}

void GameSounds::setEnabled(bool on) {
    enabled_ = on;
    if (!on) {
        effects_.stop();
    }
}

void GameSounds::setVolume(int percent) {
    effects_.setVolume(static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f);
}

void GameSounds::setMuted(bool muted) {
    muted_ = muted;
    if (muted) {
        effects_.stop();
    }
}

void GameSounds::play(std::int64_t micros, const Handler& handler, const std::vector<Cue>& cues) {
    // A game played again after a wrong guess was heard the first time.
    if (!enabled_ || muted_ || (engine_ != nullptr && engine_->replaying())) {
        return;
    }
    // The last point's chimes are the game-over jingle's first notes.
    const bool gameOver = std::find(cues.begin(), cues.end(), Cue::gameOver) != cues.end();
    for (const Cue cue : cues) {
        if (cue == Cue::point && gameOver) {
            continue;
        }
        effects_.play(cue);
        if (logStarts_) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const std::string_view name = effectOf(cue);
            const std::string by = handlerName(handler);
            std::fprintf(stderr, "gloob: sound %.*s of %.*s at %lld us (game time %lld us)\n",
                         static_cast<int>(name.size()), name.data(), static_cast<int>(by.size()),
                         by.data(),
                         static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                         static_cast<long long>(micros));
        }
    }
}

} // namespace gloob
