// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "script/recorder.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

class QGuiApplication;

namespace gloob::sim {

// What every run of gloob-sim holds while it plays, alone or online: the
// application the pictures and text need, and the recording asked for.
struct RunSetUp {
    std::unique_ptr<QGuiApplication> app;
    std::ofstream recordFile;
    // Online, the recording holds only the game both machines agreed on.
    std::unique_ptr<HeldBackOutput> heldRecording;
    std::unique_ptr<Recorder> recorder;
    // The recorder, if any, watching the engine.
    void watch(Engine& engine);
};

// Opens the recording (when recordPath names one) and decodes the pictures,
// so that a build with a broken picture stops before any trace. Nothing,
// with the reason on `errors`, when either fails.
std::unique_ptr<RunSetUp> setUpRun(const std::string& recordPath, std::ostream& errors);

// Runs the main loop from the start until the script's last event is ten
// seconds past, an `end`, or an Exit; `beforeStep` runs before every
// heartbeat. True when the run got to its last heartbeat without ending.
bool playToTheEnd(Engine& engine, std::int64_t stopMicros,
                  const std::function<void()>& beforeStep = {});

} // namespace gloob::sim
