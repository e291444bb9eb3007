// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "run_setup.h"

#include "app/version.h"
#include "qtgui/picture_loader.h"
#include "script/script.h"
#include "simulator.h"

#include <QGuiApplication>

namespace gloob::sim {

namespace {
constexpr std::string_view programName = "gloob-sim";
// A path is shown whole up to the length of any real one.
constexpr std::size_t shownPathBytes = 256;
} // namespace

void RunSetUp::watch(Engine& engine) {
    if (recorder) {
        engine.addObserver(*recorder);
        engine.addHeldOutput(*heldRecording);
    }
}

std::unique_ptr<RunSetUp> setUpRun(const std::string& recordPath, std::ostream& errors) {
    auto run = std::make_unique<RunSetUp>();
    if (!recordPath.empty()) {
        run->recordFile.open(recordPath, std::ios::binary | std::ios::trunc);
        if (!run->recordFile) {
            errors << programName << ": cannot write the recording to "
                   << quotedWord(recordPath, shownPathBytes) << '\n';
            return nullptr;
        }
        run->heldRecording = std::make_unique<HeldBackOutput>(run->recordFile);
        run->recorder =
            std::make_unique<Recorder>(*run->heldRecording, gameVersion, recordingDate());
    }
    run->app = guiApplicationForRun();
    try {
        simulatorPictures();
    } catch (const PictureError& error) {
        errors << programName << ": " << error.what() << '\n';
        return nullptr;
    }
    return run;
}

bool playToTheEnd(Engine& engine, std::int64_t stopMicros,
                  const std::function<void()>& beforeStep) {
    try {
        engine.start();
        do {
            if (beforeStep) {
                beforeStep();
            }
            engine.runHeartbeat();
            // A wait still running when the last heartbeat came has finished by
            // now; the run ends with it rather than visiting one more heartbeat.
        } while (engine.nowMicros() < stopMicros);
    } catch (const RunEnded&) {
        return false;
    }
    return true;
}

} // namespace gloob::sim
