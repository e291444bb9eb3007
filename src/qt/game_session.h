// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "script/recorder.h"
#include "script/script.h"
#include "script/script_source.h"
#include "script/trace_writer.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

namespace gloob {

// One run of the game from its first screen: the engine, the files that
// watch it (the trace and the recording), and for a replay the recording it
// plays instead of the players' input.
class GameSession {
public:
    GameSession(FrontEnd& front, const TextRasteriser& text, const Pictures& pictures);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    Engine& engine() { return engine_; }

    // Each false when the file cannot be made.
    bool traceTo(const std::filesystem::path& path);
    // A recording that must hold a match to be worth keeping is removed when
    // the session ends without one.
    bool recordTo(const std::filesystem::path& path, bool onlyWithAMatch);

    void replay(std::vector<ScriptEvent> events);
    bool isReplay() const { return replay_.has_value(); }
    // Posts the replay's events whose time has come. An exit in the recording
    // ends the replay rather than the program.
    void collectReplay();
    bool replayOver() const;
    // Where watching begins: at the first Play!, the first screen before it
    // being only the time the player took to start.
    std::int64_t replayStartMicros() const { return replayStart_; }
    // The recording's last event.
    std::int64_t replayEndMicros() const { return replayEnd_; }

    // Flushes and closes the files; no handler runs after it.
    void close();

private:
    std::ofstream traceFile_;
    // Online, the files show only the game both machines agreed on.
    HeldBackOutput heldTrace_{traceFile_};
    std::unique_ptr<TraceWriter> trace_;
    std::ofstream recordFile_;
    HeldBackOutput heldRecording_{recordFile_};
    std::unique_ptr<Recorder> recorder_;
    std::filesystem::path recordPath_;
    bool onlyWithAMatch_ = false;
    std::optional<ScriptSource> replay_;
    std::int64_t replayStart_ = 0;
    std::int64_t replayEnd_ = 0;
    Engine engine_;
};

} // namespace gloob
