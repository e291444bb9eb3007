// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_session.h"

#include <algorithm>

#include "app/version.h"

namespace gloob {

GameSession::GameSession(FrontEnd& front, const TextRasteriser& text, const Pictures& pictures)
    : engine_(front, text, pictures) {}

GameSession::~GameSession() {
    close();
}

bool GameSession::traceTo(const std::filesystem::path& path) {
    traceFile_.open(path, std::ios::binary | std::ios::trunc);
    if (!traceFile_) {
        return false;
    }
    trace_ = std::make_unique<TraceWriter>(heldTrace_, true);
    engine_.addObserver(*trace_);
    engine_.addHeldOutput(heldTrace_);
    return true;
}

bool GameSession::recordTo(const std::filesystem::path& path, bool onlyWithAMatch) {
    recordFile_.open(path, std::ios::binary | std::ios::trunc);
    if (!recordFile_) {
        return false;
    }
    recordPath_ = path;
    onlyWithAMatch_ = onlyWithAMatch;
    recorder_ = std::make_unique<Recorder>(heldRecording_, gameVersion, recordingDate());
    engine_.addObserver(*recorder_);
    engine_.addHeldOutput(heldRecording_);
    return true;
}

void GameSession::replay(std::vector<ScriptEvent> events) {
    const auto firstPlay = std::find_if(events.begin(), events.end(), [](const ScriptEvent& e) {
        return e.kind == EventKind::clickPlay;
    });
    replayStart_ = firstPlay != events.end() ? firstPlay->milliseconds * 1000 : 0;
    for (const ScriptEvent& event : events) {
        replayEnd_ = std::max(replayEnd_, event.milliseconds * 1000);
    }
    replay_.emplace(std::move(events));
}

void GameSession::collectReplay() {
    if (!replay_) {
        return;
    }
    const std::int64_t now = engine_.nowMicros();
    while (const ScriptEvent* next = replay_->next()) {
        if (next->milliseconds * 1000 > now) {
            return;
        }
        replay_->skip();
        const bool exits = endsTheProgram(*next) && engine_.window().handles(*next);
        engine_.post(exits ? GameEvent::of(EventKind::end) : static_cast<const GameEvent&>(*next));
    }
}

bool GameSession::replayOver() const {
    return replay_ && engine_.nowMicros() >= replay_->stopMicros();
}

void GameSession::close() {
    heldTrace_.releaseAll();
    heldRecording_.releaseAll();
    if (traceFile_.is_open()) {
        traceFile_.close();
    }
    if (recordFile_.is_open()) {
        recordFile_.close();
        if (onlyWithAMatch_ && !recorder_->startedAMatch()) {
            std::error_code ignored;
            std::filesystem::remove(recordPath_, ignored);
        }
    }
}

} // namespace gloob
